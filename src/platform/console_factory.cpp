#include <iostream>

#include "platform/console.hpp"
#include "platform/process.hpp"
#include "platform/script_console.hpp"
#include "platform/terminal_console.hpp"

namespace vx::platform {

std::unique_ptr<Console> make_console() {
  const std::string mode = environment_value("VX_CONSOLE");
  const bool script = mode == "script" || (mode != "tty" && !stdin_is_terminal());
  if (script) return std::make_unique<ScriptConsole>(std::cin, std::cout);
  return make_terminal_console();
}

}  // namespace vx::platform
