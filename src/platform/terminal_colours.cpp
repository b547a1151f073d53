#include "platform/terminal_colours.hpp"

namespace vx::platform {

namespace {

// PC order is black, blue, green, cyan, red, magenta, brown, grey; terminals
// swap blue with red and cyan with brown.
constexpr int kTerminalColourOf[8] = {0, 4, 2, 6, 1, 5, 3, 7};
constexpr int kBright = 8;

int base_colour(int pc) { return kTerminalColourOf[pc & 7]; }

// Black text on light backgrounds, white on dark ones.
int contrasting(int background) {
  const bool light = background == 7 || background == 3 || background == 6 || background == 2;
  return light ? 0 : 7;
}

}  // namespace

TerminalColours terminal_colours(std::uint8_t attr, int colour_count) {
  const int fg = attr & 0x0F;
  const int bg = attr >> 4;
  TerminalColours c;
  if (colour_count >= 16) {
    c.foreground = base_colour(fg) + (fg & kBright);
    c.background = base_colour(bg) + (bg & kBright);
  } else if (colour_count >= 8) {
    // Bright foregrounds become bold; a bright background loses its light.
    c.foreground = base_colour(fg);
    c.background = base_colour(bg);
    c.bold = (fg & kBright) != 0;
    if (c.foreground == c.background && fg != bg) {
      // Dark grey on black or white on grey would vanish.
      c.foreground = contrasting(c.background);
      c.bold = false;
    }
  } else {
    c.foreground = c.background = -1;
    c.reverse = (bg & 7) != 0;
    c.bold = (fg & kBright) != 0;
  }
  return c;
}

}  // namespace vx::platform
