#pragma once
#include "driver/run.hpp"

namespace vx::driver {

// Writes the usage lines to standard output.
void show_usage(Run& run);

}  // namespace vx::driver
