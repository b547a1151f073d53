#include "platform/terminal_console.hpp"

#include <stdexcept>

namespace vx::platform {

std::unique_ptr<Console> make_terminal_console() {
  throw std::runtime_error("terminal console not built yet");
}

}  // namespace vx::platform
