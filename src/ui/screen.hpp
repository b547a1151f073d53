#pragma once
// Text on the screen and framed windows that give back what they cover.
// Screen columns and rows count from 1; inside a window (1, 1) is the first
// cell inside its frame, and text never crosses the frame.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console.hpp"
#include "ui/colours.hpp"

namespace vx::ui {

struct Ui;

enum class FrameStyle { kSingle, kDouble };

// Top-left, bottom-left, top-right, bottom-right, top, bottom, left, right.
inline constexpr std::string_view kSingleFrame = "\xDA\xC0\xBF\xD9\xC4\xC4\xB3\xB3";
inline constexpr std::string_view kDoubleFrame = "\xC9\xC8\xBB\xBC\xCD\xCD\xBA\xBA";

struct WindowColours {
  std::uint8_t frame, inside, title;
};
WindowColours window_colours(const ColourScheme& scheme);

class Window {
 public:
  // Draws the frame and the title, clears the inside. nullptr when the
  // rectangle (frame included) does not lie on the screen.
  static std::unique_ptr<Window> open(Ui& ui, int left, int top, int right, int bottom, FrameStyle style,
                                      WindowColours colours, std::string_view title);
  // Restores what the window covered.
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  int left() const { return left_; }
  int top() const { return top_; }
  int right() const { return right_; }
  int bottom() const { return bottom_; }
  int inside_width() const { return right_ - left_ - 1; }
  int inside_height() const { return bottom_ - top_ - 1; }
  const WindowColours& colours() const { return colours_; }

  // Screen position of a cell inside the window.
  int screen_col(int col) const { return left_ + col; }
  int screen_row(int row) const { return top_ + row; }

  // Writes inside the window; what would cross the frame is cut off.
  void write(int col, int row, std::string_view text, std::uint8_t attr);
  // Fills count cells of a row with one character.
  void fill(int col, int row, int count, std::uint8_t ch, std::uint8_t attr);
  // A frame drawn inside the window, corners at (col, row) and (right,
  // bottom), cut at the window's own frame.
  void draw_box(int col, int row, int right, int bottom, FrameStyle style, std::uint8_t attr);

 private:
  Window(Ui& ui, int left, int top, int right, int bottom);

  void put_inside(int col, int row, std::uint8_t ch, std::uint8_t attr);

  Ui& ui_;
  int left_, top_, right_, bottom_;
  WindowColours colours_{};
  std::vector<platform::Cell> saved_;
};

// Text at a position inside the innermost open window (the screen when none
// is open); the cursor does not move.
void write_at(Ui& ui, int col, int row, std::string_view text, std::uint8_t attr);
// Text at a screen position, cut at the screen's right edge.
void write_at_screen(Ui& ui, int col, int row, std::string_view text, std::uint8_t attr);

}  // namespace vx::ui
