#include "platform/terminal_terminfo.hpp"

#include <cstdint>
#include <cstdio>

// Last: the terminfo header defines macros named like its capabilities.
#define NCURSES_WIDECHAR 1
#include <curses.h>
#include <term.h>

namespace vx::platform {

bool terminal_addresses_cursor() {
  int error = 0;
  if (setupterm(nullptr, fileno(stdout), &error) != OK) return true;
  const char* cup = tigetstr("cup");
  const bool found = cup != nullptr && cup != reinterpret_cast<const char*>(static_cast<std::intptr_t>(-1));
  del_curterm(cur_term);
  return found;
}

}  // namespace vx::platform
