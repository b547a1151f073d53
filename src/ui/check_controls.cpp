#include "ui/check_controls.hpp"

#include <algorithm>

#include "platform/key_codes.hpp"
#include "ui/control_colours.hpp"
#include "ui/screen.hpp"
#include "ui/ui_context.hpp"

namespace vx::ui {

namespace keys = platform::keys;

namespace {
constexpr char kCheckMark = '\xFE';  // a filled square
constexpr char kRadioMark = '\x07';  // a bullet
// "[ ] " before the text of a check box or an item.
constexpr int kBoxWidth = 4;

std::string box_line(char open, char mark, char close, std::string_view text, int width) {
  std::string line(1, open);
  line += mark;
  line += close;
  line += ' ';
  line += text;
  line.resize(static_cast<std::size_t>(kBoxWidth + width), ' ');
  return line;
}

std::uint8_t line_colour(const Ui& ui, bool current) {
  return current ? kCurrentItemColour : ui.toolkit.colours[kSlotFormText];
}
}  // namespace

// --- CheckBox ---------------------------------------------------------------

CheckBox::CheckBox(std::unique_ptr<FieldLabel> label, int col, int row, std::uint8_t& bound,
                   std::string_view text)
    : Control(kKindCheckBox, {}, std::move(label)), value_(bound), text_(text) {
  bounds_ = {col, row, col + kBoxWidth + static_cast<int>(text_.size()), row + 1};
}

void CheckBox::Toggle() {
  value_ = value_ ? 0 : 1;
  DrawBody();
}

Control::Outcome CheckBox::HandleKey(UiEvent& ev) {
  if (!ev.is_char(' ') && !ev.is_char('x')) return Outcome::kLeave;
  Toggle();
  return Outcome::kUsed;
}

Control::Outcome CheckBox::HandleClick(UiEvent&) {
  Toggle();
  return Outcome::kUsed;
}

void CheckBox::DrawBody() {
  const auto line = box_line('[', value_ ? kCheckMark : ' ', ']', text_,
                             static_cast<int>(text_.size()));
  GetWindow().write(bounds_.left, bounds_.top, line, line_colour(GetUi(), active_));
}

// --- ItemGroup --------------------------------------------------------------

ItemGroup::ItemGroup(ControlKind kind, std::unique_ptr<FieldLabel> label, int col, int row,
                     ItemList items, char open, char mark, char close)
    : Control(kind, {}, std::move(label)), open_(open), mark_(mark), close_(close) {
  for (const auto& t : items) {
    if (items_.Size() == kGroupItemsMax) break;
    items_.Add(t);
    width_ = std::max(width_, static_cast<int>(t.size()));
  }
  bounds_ = {col, row, col + kBoxWidth + width_, row + Count()};
}

Control::Outcome ItemGroup::HandleKey(UiEvent& ev) {
  switch (ev.key) {
    case keys::kUp:
    case keys::kLeft:
      if (current_ <= 1) return Outcome::kLeave;
      --current_;
      break;
    case keys::kDown:
    case keys::kRight:
      if (current_ >= Count()) return Outcome::kLeave;
      ++current_;
      break;
    default:
      if (!Apply(ev)) return Outcome::kLeave;
      break;
  }
  DrawBody();
  return Outcome::kUsed;
}

Control::Outcome ItemGroup::HandleClick(UiEvent& ev) {
  current_ = ev.win_row - bounds_.top + 1;
  Choose();
  DrawBody();
  return Outcome::kUsed;
}

void ItemGroup::DrawBody() {
  Window& w = GetWindow();
  for (int i = 1; i <= Count(); ++i) {
    w.write(bounds_.left, bounds_.top + i - 1,
            box_line(open_, Marked(i) ? mark_ : ' ', close_, items_[static_cast<std::size_t>(i - 1)], width_),
            line_colour(GetUi(), active_ && i == current_));
  }
}

// --- CheckGroup -------------------------------------------------------------

CheckGroup::CheckGroup(std::unique_ptr<FieldLabel> label, int col, int row, ItemList items,
                       std::uint16_t& bound)
    : ItemGroup(kKindCheckGroup, std::move(label), col, row, std::move(items), '[', kCheckMark, ']'),
      value_(bound) {}

std::uint16_t CheckGroup::Mask() const { return static_cast<std::uint16_t>(1u << (current_ - 1)); }

bool CheckGroup::Marked(int item) const { return (value_ >> (item - 1)) & 1u; }

bool CheckGroup::Apply(const UiEvent& ev) {
  if (ev.is_char(' ')) {
    value_ ^= Mask();
  } else if (ev.is_char('x') || ev.is_char('X') || ev.key == keys::kGreyPlus) {
    value_ |= Mask();
  } else if (ev.is_char('0') || ev.key == keys::kGreyMinus) {
    value_ &= static_cast<std::uint16_t>(~Mask());
  } else {
    return false;
  }
  return true;
}

void CheckGroup::Choose() { value_ ^= Mask(); }

// --- RadioGroup -------------------------------------------------------------

RadioGroup::RadioGroup(std::unique_ptr<FieldLabel> label, int col, int row, ItemList items,
                       std::uint16_t& bound)
    : ItemGroup(kKindRadioGroup, std::move(label), col, row, std::move(items), '(', kRadioMark, ')'),
      value_(bound) {
  current_ = std::clamp(static_cast<int>(value_) + 1, 1, std::max(Count(), 1));
}

bool RadioGroup::Marked(int item) const { return value_ == item - 1; }

bool RadioGroup::Apply(const UiEvent& ev) {
  if (!ev.is_char(' ') && !ev.is_char('x') && !ev.is_char('X') && ev.key != keys::kGreyPlus)
    return false;
  Choose();
  return true;
}

void RadioGroup::Choose() { value_ = static_cast<std::uint16_t>(current_ - 1); }

}  // namespace vx::ui
