#pragma once
// Line output into a text window of the screen, the way the progress lines
// of the copies are written: a window, a cursor inside it and a text colour.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/console.hpp"

namespace vx::ui {

// Screen columns and rows counted from 1, edges included.
struct TextWindow {
  int left = 1, top = 1, right = platform::kScreenCols, bottom = platform::kScreenRows;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
  bool operator==(const TextWindow&) const = default;
};

inline constexpr TextWindow kFullScreen{};
// The window of the global copy and of the company loop.
inline constexpr TextWindow kCopyWindow{3, 3, 77, 20};
// The window of one company's copy plan.
inline constexpr TextWindow kPlanWindow{3, 6, 76, 19};

class TextOutput {
 public:
  explicit TextOutput(platform::Console& console) : console_(console) {}

  struct Saved {
    TextWindow window;
    int x, y;
  };

  const TextWindow& window() const { return window_; }
  // Sets the window and puts the cursor at its top-left cell.
  void set_window(TextWindow w);
  Saved save() const { return {window_, x_, y_}; }
  void restore(const Saved& s);

  void set_color(std::uint8_t foreground) { attr_ = static_cast<std::uint8_t>((attr_ & 0xF0) | (foreground & 0x0F)); }
  void set_background(std::uint8_t background) { attr_ = static_cast<std::uint8_t>((attr_ & 0x0F) | ((background & 0x0F) << 4)); }
  std::uint8_t attr() const { return attr_; }

  // Cursor column and row inside the window, from 1.
  int x() const { return x_; }
  int y() const { return y_; }
  void go_to(int x, int y);

  // Writes at the cursor and moves it; nothing is written past the window's
  // right edge.
  void write(std::string_view text);
  // Fills the window with blanks in the current colour; cursor to 1,1.
  void clear();

  platform::Console& console() { return console_; }

 private:
  void place_cursor();

  platform::Console& console_;
  TextWindow window_{};
  int x_ = 1, y_ = 1;
  std::uint8_t attr_ = 0x07;
};

}  // namespace vx::ui
