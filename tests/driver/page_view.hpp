#pragma once
// Reading a wizard page off the screen at the positions of its layout:
// inside the window at column 3, row 3, counted from the first cell inside
// the frame.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ui/screen_capture.hpp"

namespace vx::test {

inline constexpr int kPageFrameCol = 3, kPageFrameRow = 3;

inline int utf8_chars(std::string_view s) {
  int n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

// The screen text at a page position, as long as the expected text.
inline std::string page_text(const Snapshot& s, int col, int row, std::string_view expected) {
  const int first = kPageFrameCol + col;
  return s.text(kPageFrameRow + row, first, first + utf8_chars(expected) - 1);
}

inline std::uint8_t page_attr(const Snapshot& s, int col, int row) {
  return s.at(kPageFrameCol + col, kPageFrameRow + row).attr;
}

struct PageText {
  int col, row;
  std::string text;
};

inline void expect_page(const Snapshot& s, std::initializer_list<PageText> texts) {
  for (const auto& t : texts)
    EXPECT_EQ(page_text(s, t.col, t.row, t.text), t.text) << "at " << t.col << "," << t.row;
}

// The frame line holding the title.
inline std::string page_title_row(const Snapshot& s) { return s.row(kPageFrameRow); }

}  // namespace vx::test
