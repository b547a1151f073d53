#pragma once
#include "driver/session.hpp"

namespace vx::driver {

// Writes the usage lines to standard output.
void show_usage(Session& run);

}  // namespace vx::driver
