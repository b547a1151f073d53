#pragma once
// How a PC attribute byte (background high nibble, foreground low nibble) is
// shown on a terminal with 16 colours, with 8, or with none.
#include <cstdint>

namespace vx::platform {

struct TerminalColours {
  // Terminal colour numbers (0 black, 1 red, 2 green, 3 yellow, 4 blue,
  // 5 magenta, 6 cyan, 7 white, 8-15 their bright forms); -1 is the
  // terminal's default on a terminal without colours.
  int foreground = 7;
  int background = 0;
  bool bold = false;
  bool reverse = false;
  bool operator==(const TerminalColours&) const = default;
};

TerminalColours terminal_colours(std::uint8_t attr, int colour_count);

}  // namespace vx::platform
