#pragma once
// The files shared by all companies, carried from the 2017 program
// subdirectory into "#BIN980".
#include <string_view>

#include "driver/session.hpp"

namespace vx::driver {

// The program subdirectory of the 2018 installation.
inline constexpr std::string_view kTargetProgramDir = "#BIN980";

void copy_global_data(Session& run);

}  // namespace vx::driver
