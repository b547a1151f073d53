#pragma once
// The question asked before a copy replaces a file that already exists in
// the target, with the run-wide memory of the answers "all following".
#include <string_view>

#include "transfer/copier.hpp"

namespace vx::transfer {

// True when the existing target must stay untouched, false when it may be
// replaced. Asks unless an earlier A or N answer settled it for the run.
bool keep_existing(Copier& copier, std::string_view target);

}  // namespace vx::transfer
