#pragma once
// A 2017 file whose data went into the 2018 installation is hidden from the
// old installation by a tilde appended to its name, when the operator asked
// for it.
#include <string_view>

#include "driver/run.hpp"

namespace vx::conversion {

// Renames path to path + "~"; a failure is only reported.
void hide_converted_file(Run& run, std::string_view path);

}  // namespace vx::conversion
