#pragma once
// Whole files copied as bytes, in blocks, optionally with their Polish
// letters converted.
#include <string_view>

#include "transfer/copier.hpp"

namespace vx::transfer {

// True when finished or nothing was to be done (missing or empty source,
// existing target kept); false when a file could not be opened, read,
// written or closed.
bool copy_bytes(Copier& copier, std::string_view source, std::string_view target, bool convert);

}  // namespace vx::transfer
