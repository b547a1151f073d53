#include "ui/status_bar.hpp"

#include "ui/ui_context.hpp"

namespace vx::ui {

StatusBar::StatusBar(Ui& ui, const std::vector<StatusKey>& keys) : ui_(ui), below_(ui.toolkit.status_bar) {
  int col = 1;
  for (const auto& k : keys) {
    Entry e{k, col, 0};
    if (e.key.text.size() > kStatusTextMax) e.key.text.resize(kStatusTextMax);
    e.key.text += kStatusSeparator;
    e.last_col = col + static_cast<int>(e.key.text.size()) - 1;
    col = e.last_col + 1;
    entries_.push_back(std::move(e));
  }
  for (int c = 1; c <= platform::kScreenCols; ++c)
    saved_row_[static_cast<std::size_t>(c - 1)] = ui.console.get(c, kStatusRow);
  ui.toolkit.status_bar = this;
  draw();
}

StatusBar::~StatusBar() {
  auto& top = ui_.toolkit.status_bar;
  if (top == this) {
    top = below_;
  } else {
    for (StatusBar* b = top; b; b = b->below_)
      if (b->below_ == this) b->below_ = below_;
  }
  for (int c = 1; c <= platform::kScreenCols; ++c)
    ui_.console.put(c, kStatusRow, saved_row_[static_cast<std::size_t>(c - 1)]);
}

void StatusBar::draw() const {
  auto& console = ui_.console;
  for (int c = 1; c <= platform::kScreenCols; ++c) console.put(c, kStatusRow, {' ', kStatusColour});
  for (const auto& e : entries_)
    for (int c = e.first_col; c <= e.last_col && c <= platform::kScreenCols; ++c)
      console.put(c, kStatusRow,
                  {static_cast<std::uint8_t>(e.key.text[static_cast<std::size_t>(c - e.first_col)]),
                   kStatusColour});
}

void StatusBar::translate(UiEvent& ev) const {
  for (const auto& e : entries_) {
    const bool by_key = ev.kind == kEventKey && e.key.key != 0 && ev.key == e.key.key;
    const bool by_click = ev.kind == kEventMouse && ev.buttons == kLeftButton &&
                          ev.row == kStatusRow && ev.col >= e.first_col &&
                          ev.col <= e.last_col && e.key.command != 0;
    if (by_key || by_click) {
      ev = command_event(e.key.command, kFromStatusBar);
      return;
    }
  }
}

}  // namespace vx::ui
