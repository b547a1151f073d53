#include "ui/text_output.hpp"

namespace vx::ui {

void TextOutput::set_window(TextWindow w) {
  window_ = w;
  x_ = y_ = 1;
  place_cursor();
}

void TextOutput::restore(const Saved& s) {
  window_ = s.window;
  x_ = s.x;
  y_ = s.y;
  place_cursor();
}

void TextOutput::go_to(int x, int y) {
  if (x < 1 || y < 1 || x > window_.width() || y > window_.height()) return;
  x_ = x;
  y_ = y;
  place_cursor();
}

void TextOutput::write(std::string_view text) {
  const int row = window_.top + y_ - 1;
  for (char c : text) {
    if (x_ > window_.width()) break;
    console_.put(window_.left + x_ - 1, row, {static_cast<std::uint8_t>(c), attr_});
    ++x_;
  }
  place_cursor();
}

void TextOutput::clear() {
  for (int r = window_.top; r <= window_.bottom; ++r)
    for (int c = window_.left; c <= window_.right; ++c) console_.put(c, r, {' ', attr_});
  x_ = y_ = 1;
  place_cursor();
}

void TextOutput::place_cursor() {
  const int col = window_.left + x_ - 1;
  console_.set_cursor(col > platform::kScreenCols ? platform::kScreenCols : col,
                      window_.top + y_ - 1);
}

}  // namespace vx::ui
