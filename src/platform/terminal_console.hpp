#pragma once
// The console on a real terminal, drawn with ncursesw.
#include <memory>

#include "platform/console.hpp"

namespace vx::platform {

std::unique_ptr<Console> make_terminal_console();

}  // namespace vx::platform
