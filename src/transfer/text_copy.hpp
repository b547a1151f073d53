#pragma once
// Text files (configuration and INI files) copied line by line, their Polish
// letters converted, each line optionally judged by a filter.
#include <string_view>

#include "transfer/converters.hpp"
#include "transfer/copier.hpp"

namespace vx::transfer {

// Lines are carried whole, however long; every line written ends with
// CR LF. A missing or empty source is passed over in silence.
void copy_text_file(Copier& copier, std::string_view source, std::string_view target, LineFilter filter = {});

}  // namespace vx::transfer
