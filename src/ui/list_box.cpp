#include "ui/list_box.hpp"

#include <algorithm>

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "platform/key_codes.hpp"
#include "ui/control_colours.hpp"
#include "ui/input_field.hpp"
#include "ui/screen.hpp"
#include "ui/toolkit.hpp"
#include "ui/ui_context.hpp"

namespace vx::ui {

namespace keys = platform::keys;

namespace {
constexpr auto kEmptyList = cp852(">> PUSTO <<");
constexpr int kShortBeepHz = 800;
}  // namespace

ListBox::ListBox(Ui& ui, std::unique_ptr<FieldLabel> label, int col, int row, int width, int rows,
                 std::int32_t* current)
    : Control(kKindListBox, {}, std::move(label)),
      current_(current ? current : &own_current_),
      rows_(std::max(rows, 1)),
      width_(std::max(width, 1)),
      framed_(ui.toolkit.list_framed) {
  ui.toolkit.list_framed = true;
  const int frame = framed_ ? 2 : 0;
  bounds_ = {col, row, col + width_ + frame, row + rows_ + frame};
}

void ListBox::SetSearchColumns(const std::array<std::uint8_t, kSearchColumnsMax>& columns) {
  columns_ = columns;
  columns_enabled_ = std::any_of(columns.begin(), columns.end(), [](auto c) { return c != 0; });
  column_ = 0;
  while (columns_enabled_ && columns_[static_cast<std::size_t>(column_)] == 0) ++column_;
}

void ListBox::Refresh() {
  count_ = std::max<std::int32_t>(ItemCount(), 0);
  *current_ = std::clamp<std::int32_t>(*current_, 1, std::max<std::int32_t>(count_, 1));
  const std::int32_t last_top = std::max<std::int32_t>(count_ - rows_ + 1, 1);
  top_ = std::clamp<std::int32_t>(top_, 1, last_top);
  if (*current_ < top_) top_ = *current_;
  if (*current_ >= top_ + rows_) top_ = *current_ - rows_ + 1;
}

void ListBox::SetCurrentItem(std::int32_t n) {
  *current_ = n;
  Refresh();
}

void ListBox::OnEnter() {
  search_.clear();
  Refresh();
}

void ListBox::Move(std::int32_t to) {
  *current_ = std::clamp<std::int32_t>(to, 1, std::max<std::int32_t>(count_, 1));
  Refresh();
  DrawBody();
}

Control::Outcome ListBox::Post(UiEvent& ev, std::uint16_t command) {
  ev = command_event(command, kFromForm);
  return Outcome::kLeave;
}

Control::Outcome ListBox::HandleEmptyKey(UiEvent& ev) {
  if (ev.key == keys::kEnter || ev.key == keys::kDel) {
    beep(GetUi(), kShortBeepHz);
    return Outcome::kUsed;
  }
  if (ev.key == keys::kIns) return Post(ev, kListInsert);
  return Outcome::kLeave;
}

Control::Outcome ListBox::HandleKey(UiEvent& ev) {
  Refresh();
  if (count_ == 0) return HandleEmptyKey(ev);
  const std::int32_t current = *current_;
  switch (ev.key) {
    case keys::kUp: search_.clear(); Move(current - 1); return Outcome::kUsed;
    case keys::kDown: search_.clear(); Move(current + 1); return Outcome::kUsed;
    case keys::kPgUp:
      search_.clear();
      top_ -= rows_;
      Move(current - rows_);
      return Outcome::kUsed;
    case keys::kPgDn:
      search_.clear();
      top_ += rows_;
      Move(current + rows_);
      return Outcome::kUsed;
    case keys::kHome: search_.clear(); Move(1); return Outcome::kUsed;
    case keys::kEnd: search_.clear(); Move(count_); return Outcome::kUsed;
    case keys::kEnter: return Post(ev, kListEnter);
    case keys::kCtrlEnter: return Post(ev, kListCtrlEnter);
    case keys::kDel: return Post(ev, kListDelete);
    case keys::kIns: return Post(ev, kListInsert);
    case keys::kTab:
    case keys::kShiftTab:
      if (!columns_enabled_) return Outcome::kLeave;
      StepColumn(ev.key == keys::kTab ? 1 : -1);
      return Outcome::kUsed;
    case keys::kGreyPlus:
      return Outcome::kLeave;
    default:
      break;
  }
  if (ev.extended || !InputField::Accepts(ev.ch)) return Outcome::kLeave;
  Search(ev.ch);
  return Outcome::kUsed;
}

void ListBox::StepColumn(int step) {
  const int n = static_cast<int>(kSearchColumnsMax);
  for (int i = 0; i < n; ++i) {
    column_ = (column_ + step + n) % n;
    if (columns_[static_cast<std::size_t>(column_)] != 0) break;
  }
  search_.clear();
}

bool ListBox::SearchMatch(std::int32_t n, const std::string& search) {
  const std::string text = charset::upper_text(ItemText(n));
  std::size_t from = 0;
  if (columns_enabled_ && columns_[static_cast<std::size_t>(column_)] != 0)
    from = columns_[static_cast<std::size_t>(column_)] - 1u;
  return from <= text.size() && std::string_view(text).substr(from).starts_with(search);
}

void ListBox::Search(std::uint8_t ch) {
  if (search_.size() >= kSearchTextMax) return;
  const std::string wanted = search_ + static_cast<char>(charset::upper_char(ch));
  for (std::int32_t n = 1; n <= count_; ++n) {
    if (SearchMatch(n, wanted)) {
      search_ = wanted;
      Move(n);
      return;
    }
  }
}

Control::Outcome ListBox::HandleClick(UiEvent& ev) {
  if (count_ == 0) return Outcome::kLeave;
  const int index = ev.win_row - FirstRowRow();
  const int col = ev.win_col - FirstRowCol();
  if (index >= 0 && index < rows_ && col >= 0 && col < width_ && top_ + index <= count_) {
    search_.clear();
    Move(top_ + index);
  }
  return Outcome::kUsed;
}

void ListBox::DrawRow(int row_index, std::int32_t item) {
  std::string text = item <= count_ ? ItemText(item) : std::string();
  text.resize(static_cast<std::size_t>(width_), ' ');
  const auto attr =
      item == *current_ && item <= count_ ? kCurrentItemColour : GetUi().toolkit.colours[kSlotFormText];
  GetWindow().write(FirstRowCol(), FirstRowRow() + row_index, text, attr);
}

void ListBox::DrawEmpty() {
  Window& w = GetWindow();
  const auto normal = GetUi().toolkit.colours[kSlotFormText];
  for (int r = 0; r < rows_; ++r) w.fill(FirstRowCol(), FirstRowRow() + r, width_, ' ', normal);
  const int shown = std::min(static_cast<int>(kEmptyList.size), width_);
  w.write(FirstRowCol() + (width_ - shown) / 2, FirstRowRow(),
          kEmptyList.view().substr(0, static_cast<std::size_t>(shown)), GetUi().toolkit.colours[kSlotError]);
}

void ListBox::DrawBody() {
  Refresh();
  if (framed_) {
    const auto attr = active_ ? kListFrameFocusedColour : GetUi().toolkit.colours[kSlotFormText];
    GetWindow().draw_box(bounds_.left, bounds_.top, bounds_.right - 1, bounds_.bottom - 1,
                         FrameStyle::kSingle, attr);
  }
  if (count_ == 0) {
    DrawEmpty();
    return;
  }
  for (int r = 0; r < rows_; ++r) DrawRow(r, top_ + r);
}

}  // namespace vx::ui
