#include "ui/progress_window.hpp"

namespace vx::ui {

namespace {
constexpr int kLeft = 20, kTop = 11, kWidth = 40, kHeight = 3;
constexpr std::uint8_t kAttr = 0x1F;
}  // namespace

ProgressWindow::ProgressWindow(platform::Console& console, std::string title, long range)
    : console_(console), title_(std::move(title)), range_(range < 1 ? 1 : range) {
  for (int r = kTop; r < kTop + kHeight; ++r)
    for (int c = kLeft; c < kLeft + kWidth; ++c) saved_.push_back(console_.get(c, r));
  // Single frame, title in the top line.
  const int right = kLeft + kWidth - 1, bottom = kTop + kHeight - 1;
  for (int c = kLeft; c <= right; ++c) {
    console_.put(c, kTop, {0xC4, kAttr});
    console_.put(c, bottom, {0xC4, kAttr});
  }
  console_.put(kLeft, kTop, {0xDA, kAttr});
  console_.put(right, kTop, {0xBF, kAttr});
  console_.put(kLeft, bottom, {0xC0, kAttr});
  console_.put(right, bottom, {0xD9, kAttr});
  console_.put(kLeft, kTop + 1, {0xB3, kAttr});
  console_.put(right, kTop + 1, {0xB3, kAttr});
  const int start = kLeft + (kWidth - static_cast<int>(title_.size())) / 2;
  for (std::size_t i = 0; i < title_.size() && start + static_cast<int>(i) < right; ++i)
    console_.put(start + static_cast<int>(i), kTop, {static_cast<std::uint8_t>(title_[i]), kAttr});
  draw_bar();
}

ProgressWindow::~ProgressWindow() {
  std::size_t i = 0;
  for (int r = kTop; r < kTop + kHeight; ++r)
    for (int c = kLeft; c < kLeft + kWidth; ++c) console_.put(c, r, saved_[i++]);
}

void ProgressWindow::advance() {
  if (done_ < range_) ++done_;
  draw_bar();
}

void ProgressWindow::reset() {
  done_ = 0;
  draw_bar();
}

void ProgressWindow::draw_bar() {
  const int inner = kWidth - 2;
  const int filled = static_cast<int>(done_ * inner / range_);
  if (filled == drawn_) return;  // redraw only when the bar changes
  drawn_ = filled;
  for (int i = 0; i < inner; ++i)
    console_.put(kLeft + 1 + i, kTop + 1, {static_cast<std::uint8_t>(i < filled ? 0xDB : 0xB0), kAttr});
}

}  // namespace vx::ui
