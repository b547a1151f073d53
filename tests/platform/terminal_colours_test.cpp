#include "platform/terminal_colours.hpp"

#include <gtest/gtest.h>

namespace vx::platform {
namespace {

TEST(TerminalColours, SixteenColoursKeepEveryAttribute) {
  // Light green on black, white on red, black on grey, yellow on blue.
  EXPECT_EQ(terminal_colours(0x0A, 16), (TerminalColours{10, 0, false, false}));
  EXPECT_EQ(terminal_colours(0x4F, 16), (TerminalColours{15, 1, false, false}));
  EXPECT_EQ(terminal_colours(0x70, 256), (TerminalColours{0, 7, false, false}));
  EXPECT_EQ(terminal_colours(0x1E, 16), (TerminalColours{11, 4, false, false}));
  // Brown and cyan are yellow (3) and cyan (6) on a terminal.
  EXPECT_EQ(terminal_colours(0x36, 16), (TerminalColours{3, 6, false, false}));
  EXPECT_EQ(terminal_colours(0x8C, 16), (TerminalColours{9, 8, false, false}));
}

TEST(TerminalColours, EightColoursShowBrightTextBold) {
  EXPECT_EQ(terminal_colours(0x0A, 8), (TerminalColours{2, 0, true, false}));
  EXPECT_EQ(terminal_colours(0x4F, 8), (TerminalColours{7, 1, true, false}));
  EXPECT_EQ(terminal_colours(0x07, 8), (TerminalColours{7, 0, false, false}));
  EXPECT_EQ(terminal_colours(0x9E, 8), (TerminalColours{3, 4, true, false}));
}

TEST(TerminalColours, EightColoursNeverHideTextInItsBackground) {
  EXPECT_EQ(terminal_colours(0x08, 8), (TerminalColours{7, 0, false, false}));
  EXPECT_EQ(terminal_colours(0x7F, 8), (TerminalColours{0, 7, false, false}));
  EXPECT_EQ(terminal_colours(0x19, 8), (TerminalColours{7, 4, false, false}));
  // Same colour on purpose (a blank area) stays as it is.
  EXPECT_EQ(terminal_colours(0x11, 8), (TerminalColours{4, 4, false, false}));
}

TEST(TerminalColours, WithoutColoursBackgroundsShowReversed) {
  EXPECT_EQ(terminal_colours(0x70, 0), (TerminalColours{-1, -1, false, true}));
  EXPECT_EQ(terminal_colours(0x0F, 0), (TerminalColours{-1, -1, true, false}));
  EXPECT_EQ(terminal_colours(0x07, 2), (TerminalColours{-1, -1, false, false}));
}

}  // namespace
}  // namespace vx::platform
