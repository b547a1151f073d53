#pragma once
// The files shared by all companies, carried from the 2017 program
// subdirectory into "#BIN980".
#include "driver/run.hpp"

namespace vx::driver {

void copy_global_data(Run& run);

}  // namespace vx::driver
