#pragma once
// The console on a real screen: a terminal drawn with ncursesw, or the
// console window of Windows.
#include <memory>

#include "platform/console.hpp"

namespace vx::platform {

std::unique_ptr<Console> make_terminal_console();

}  // namespace vx::platform
