#include "ui/screen.hpp"

#include <algorithm>

#include "ui/ui_context.hpp"

namespace vx::ui {

namespace {

using platform::kScreenCols;
using platform::kScreenRows;

// Positions of the characters in a frame set.
enum FramePart { kTopLeft, kBottomLeft, kTopRight, kBottomRight, kTop, kBottom, kLeft, kRight };

std::string_view frame_set(FrameStyle style) {
  return style == FrameStyle::kDouble ? kDoubleFrame : kSingleFrame;
}

std::uint8_t part(std::string_view set, FramePart p) { return static_cast<std::uint8_t>(set[p]); }

}  // namespace

WindowColours window_colours(const ColourScheme& scheme) {
  return {scheme[kSlotWindowFrame], scheme[kSlotWindowInside], scheme[kSlotWindowTitle]};
}

Window::Window(Ui& ui, int left, int top, int right, int bottom)
    : ui_(ui), left_(left), top_(top), right_(right), bottom_(bottom) {}

std::unique_ptr<Window> Window::open(Ui& ui, int left, int top, int right, int bottom, FrameStyle style,
                                     WindowColours colours, std::string_view title) {
  if (left < 1 || top < 1 || right > kScreenCols || bottom > kScreenRows || right - left < 1 ||
      bottom - top < 1)
    return nullptr;
  std::unique_ptr<Window> w(new Window(ui, left, top, right, bottom));
  w->colours_ = colours;
  auto& console = ui.console;
  w->saved_.reserve(static_cast<std::size_t>((right - left + 1) * (bottom - top + 1)));
  for (int r = top; r <= bottom; ++r)
    for (int c = left; c <= right; ++c) w->saved_.push_back(console.get(c, r));

  const auto set = frame_set(style);
  for (int c = left + 1; c < right; ++c) {
    console.put(c, top, {part(set, kTop), colours.frame});
    console.put(c, bottom, {part(set, kBottom), colours.frame});
  }
  for (int r = top + 1; r < bottom; ++r) {
    console.put(left, r, {part(set, kLeft), colours.frame});
    console.put(right, r, {part(set, kRight), colours.frame});
    for (int c = left + 1; c < right; ++c) console.put(c, r, {' ', colours.inside});
  }
  console.put(left, top, {part(set, kTopLeft), colours.frame});
  console.put(left, bottom, {part(set, kBottomLeft), colours.frame});
  console.put(right, top, {part(set, kTopRight), colours.frame});
  console.put(right, bottom, {part(set, kBottomRight), colours.frame});

  // The title is centred in the top line and never covers the corners.
  const int room = right - left - 1;
  const auto shown = title.substr(0, std::min<std::size_t>(title.size(), static_cast<std::size_t>(room)));
  const int start = left + (right - left + 1 - static_cast<int>(shown.size())) / 2;
  for (std::size_t i = 0; i < shown.size(); ++i)
    console.put(start + static_cast<int>(i), top,
                {static_cast<std::uint8_t>(shown[i]), colours.title});

  ui.toolkit.windows.push_back(w.get());
  return w;
}

Window::~Window() {
  auto it = saved_.begin();
  for (int r = top_; r <= bottom_; ++r)
    for (int c = left_; c <= right_; ++c) ui_.console.put(c, r, *it++);
  auto& open = ui_.toolkit.windows;
  open.erase(std::remove(open.begin(), open.end(), this), open.end());
}

void Window::put_inside(int col, int row, std::uint8_t ch, std::uint8_t attr) {
  if (col < 1 || row < 1 || col > inside_width() || row > inside_height()) return;
  ui_.console.put(screen_col(col), screen_row(row), {ch, attr});
}

void Window::write(int col, int row, std::string_view text, std::uint8_t attr) {
  for (std::size_t i = 0; i < text.size(); ++i)
    put_inside(col + static_cast<int>(i), row, static_cast<std::uint8_t>(text[i]), attr);
}

void Window::fill(int col, int row, int count, std::uint8_t ch, std::uint8_t attr) {
  for (int i = 0; i < count; ++i) put_inside(col + i, row, ch, attr);
}

void Window::draw_box(int col, int row, int right, int bottom, FrameStyle style,
                      std::uint8_t attr) {
  const auto set = frame_set(style);
  fill(col + 1, row, right - col - 1, part(set, kTop), attr);
  fill(col + 1, bottom, right - col - 1, part(set, kBottom), attr);
  for (int r = row + 1; r < bottom; ++r) {
    put_inside(col, r, part(set, kLeft), attr);
    put_inside(right, r, part(set, kRight), attr);
  }
  put_inside(col, row, part(set, kTopLeft), attr);
  put_inside(col, bottom, part(set, kBottomLeft), attr);
  put_inside(right, row, part(set, kTopRight), attr);
  put_inside(right, bottom, part(set, kBottomRight), attr);
}

void write_at(Ui& ui, int col, int row, std::string_view text, std::uint8_t attr) {
  if (!ui.toolkit.windows.empty()) {
    ui.toolkit.windows.back()->write(col, row, text, attr);
    return;
  }
  write_at_screen(ui, col, row, text, attr);
}

void write_at_screen(Ui& ui, int col, int row, std::string_view text, std::uint8_t attr) {
  if (row < 1 || row > kScreenRows) return;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int c = col + static_cast<int>(i);
    if (c > kScreenCols) break;
    if (c >= 1) ui.console.put(c, row, {static_cast<std::uint8_t>(text[i]), attr});
  }
}

}  // namespace vx::ui
