#pragma once
// Ends the program: unwound to main, which closes the console with the code.

namespace vx::platform {

struct ProgramExit {
  int code;
};

}  // namespace vx::platform
