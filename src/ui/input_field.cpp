#include "ui/input_field.hpp"

#include <algorithm>

#include "charset/polish.hpp"
#include "platform/key_codes.hpp"
#include "ui/control_colours.hpp"
#include "ui/screen.hpp"
#include "ui/toolkit.hpp"
#include "ui/ui_context.hpp"

namespace vx::ui {

namespace keys = platform::keys;

namespace {
constexpr std::uint16_t kCtrlD = keys::ctrl_letter('D');
constexpr std::uint16_t kCtrlK = keys::ctrl_letter('K');
constexpr std::uint16_t kCtrlM = keys::ctrl_letter('M');
constexpr std::uint16_t kCtrlP = keys::ctrl_letter('P');
constexpr std::uint16_t kCtrlW = keys::ctrl_letter('W');
constexpr std::uint16_t kCtrlY = keys::ctrl_letter('Y');

void trim_right(std::string& s) {
  const auto end = s.find_last_not_of(' ');
  s.erase(end == std::string::npos ? 0 : end + 1);
}
}  // namespace

InputField::InputField(std::unique_ptr<FieldLabel> label, int col, int row, int width,
                       std::string& bound, int max_length)
    : Control(kKindInputField, {}, std::move(label)),
      text_(bound),
      width_(std::clamp(width, 1, kFieldWidthMax)),
      max_length_(std::clamp(max_length > 0 ? max_length : width_, width_, kFieldLengthMax)) {
  bounds_ = {col, row, col + width_, row + 1};
  if (Length() > max_length_)
    text_.resize(static_cast<std::size_t>(max_length_));
  else
    trim_right(text_);
}

bool InputField::Accepts(std::uint8_t ch) { return ch >= 0x20 && ch != 0x7F; }

void InputField::OnEnter() {
  entry_text_ = text_;
  cursor_ = std::clamp(cursor_, 1, Length() + 1);
  Scroll();
}

void InputField::OnLeave() {
  trim_right(text_);
  if (text_ != entry_text_) GetUi().toolkit.data_changed = true;
  first_shown_ = 0;
}

void InputField::SetText(std::string text) {
  if (static_cast<int>(text.size()) > max_length_) text.resize(static_cast<std::size_t>(max_length_));
  text_ = std::move(text);
  cursor_ = std::min(cursor_, Length() + 1);
}

void InputField::Type(std::uint8_t ch) {
  auto& ui = GetUi();
  if (cursor_ > max_length_) {
    beep(ui, kBeepFull);
    return;
  }
  if (upper_only_) ch = charset::upper_char(ch);
  const auto at = static_cast<std::size_t>(cursor_ - 1);
  if (ui.toolkit.insert_mode) {
    text_.insert(at, 1, static_cast<char>(ch));
    if (Length() > max_length_) text_.pop_back();
  } else if (cursor_ <= Length()) {
    text_[at] = static_cast<char>(ch);
  } else {
    text_ += static_cast<char>(ch);
  }
  ++cursor_;
}

Control::Outcome InputField::HandleKey(UiEvent& ev) {
  auto& ui = GetUi();
  switch (ev.key) {
    case keys::kLeft:
      if (cursor_ == 1) return Outcome::kLeave;
      --cursor_;
      break;
    case keys::kRight:
      if (cursor_ + 1 > std::min(max_length_, Length() + 1)) return Outcome::kLeave;
      ++cursor_;
      break;
    case keys::kCtrlLeft:
      cursor_ = 1;
      break;
    case keys::kCtrlRight:
      cursor_ = Length() + 1;
      break;
    case keys::kDel:
      if (cursor_ > Length())
        beep(ui, kBeepDelete);
      else
        text_.erase(static_cast<std::size_t>(cursor_ - 1), 1);
      break;
    case keys::kBackspace:
      if (cursor_ == 1) {
        beep(ui, kBeepBackspace);
      } else {
        --cursor_;
        if (cursor_ <= Length()) text_.erase(static_cast<std::size_t>(cursor_ - 1), 1);
      }
      break;
    case keys::kIns:
      ui.toolkit.insert_mode = !ui.toolkit.insert_mode;
      break;
    case kCtrlY:
      text_.clear();
      cursor_ = 1;
      break;
    case kCtrlP:
      SetText(entry_text_);
      break;
    case kCtrlK:
      ui.toolkit.clipboard = text_.substr(0, kClipboardMax);
      break;
    case kCtrlW:
      SetText(ui.toolkit.clipboard);
      break;
    case kCtrlD:
      text_ = charset::upper_text(text_);
      break;
    case kCtrlM:
      text_ = charset::lower_text(text_);
      break;
    default:
      if (ev.extended || !Accepts(ev.ch)) return Outcome::kLeave;
      Type(ev.ch);
      break;
  }
  Scroll();
  DrawBody();
  return Outcome::kUsed;
}

Control::Outcome InputField::HandleClick(UiEvent& ev) {
  cursor_ = std::clamp(first_shown_ + ev.win_col - bounds_.left + 1, 1, Length() + 1);
  Scroll();
  DrawBody();
  return Outcome::kUsed;
}

void InputField::Scroll() {
  // A field as long as it is wide never scrolls: the cursor may stand one
  // column past its end.
  if (max_length_ == width_) {
    first_shown_ = 0;
    return;
  }
  if (cursor_ - 1 < first_shown_) first_shown_ = cursor_ - 1;
  if (cursor_ > first_shown_ + width_) first_shown_ = cursor_ - width_;
}

void InputField::PlaceCursor() {
  auto& ui = GetUi();
  const Window& w = GetWindow();
  ui.console.set_cursor(w.screen_col(bounds_.left + cursor_ - 1 - first_shown_), w.screen_row(bounds_.top));
  ui.console.show_cursor(true, ui.toolkit.insert_mode);
}

void InputField::DrawBody() {
  std::string shown = first_shown_ < Length() ? text_.substr(static_cast<std::size_t>(first_shown_)) : "";
  if (static_cast<int>(shown.size()) > width_) shown.resize(static_cast<std::size_t>(width_));
  if (masked_) std::fill(shown.begin(), shown.end(), '*');
  shown.resize(static_cast<std::size_t>(width_), ' ');
  GetWindow().write(bounds_.left, bounds_.top, shown, kFieldColour);
}

}  // namespace vx::ui
