#include "ui/dialog_form.hpp"

#include "charset/polish.hpp"
#include "platform/key_codes.hpp"
#include "ui/commands.hpp"
#include "ui/event_source.hpp"
#include "ui/push_button.hpp"
#include "ui/ui_context.hpp"

namespace vx::ui {

namespace keys = platform::keys;

namespace {
// Commands that end any form.
bool ends_form(std::uint16_t command) {
  return (command >= CMD_YES && command <= 0xDD05) || command == 0xDD07;
}
}  // namespace

DialogForm::DialogForm(Ui& ui, int left, int top, int width, int height, std::string_view title,
                       std::uint16_t user_word)
    : ui_(ui),
      user_word_(user_word),
      window_(Window::open(ui, left, top, left + width - 1, top + height - 1, FrameStyle::kDouble,
                           window_colours(ui.toolkit.colours), title)) {}

DialogForm::~DialogForm() { Done(); }

void DialogForm::Done() {
  status_bar_.reset();
  while (!items_.empty()) items_.pop_back();
  window_.reset();
  if (ui_.toolkit.current_form == this) ui_.toolkit.current_form = nullptr;
}

bool DialogForm::InsertControl(std::unique_ptr<Control> control) {
  if (!control || ItemCount() >= kMaxItems) return false;
  control->Attach(this);
  if (control->Kind() == kKindPushButton && first_button_ == 0) first_button_ = ItemCount() + 1;
  items_.push_back(std::move(control));
  items_.back()->Draw();
  return true;
}

void DialogForm::SetStatusBar(const std::vector<StatusKey>& keys) {
  status_bar_.reset();
  status_bar_ = std::make_unique<StatusBar>(ui_, keys);
}

Control* DialogForm::Item(int n) const {
  if (n < 1 || n > ItemCount()) return nullptr;
  return items_[static_cast<std::size_t>(n - 1)].get();
}

bool DialogForm::Focusable(int n) const {
  const Control* c = Item(n);
  return c && c->Focusable();
}

void DialogForm::Draw() {
  for (auto& c : items_) c->Draw();
}

void DialogForm::WriteText(int col, int row, std::string_view text, std::uint8_t attr) {
  if (window_) window_->write(col, row, text, attr);
}

void DialogForm::FocusNext() {
  if (ItemCount() <= 1) return;
  int n = focused_;
  for (int i = 0; i < ItemCount(); ++i) {
    n = n % ItemCount() + 1;
    if (Focusable(n)) {
      focused_ = n;
      return;
    }
  }
}

void DialogForm::FocusPrevious() {
  if (ItemCount() <= 1) return;
  int n = focused_;
  for (int i = 0; i < ItemCount(); ++i) {
    n = n == 1 ? ItemCount() : n - 1;
    if (Focusable(n)) {
      focused_ = n;
      return;
    }
  }
}

void DialogForm::FocusItem(int n) {
  if (n < 1 || n > ItemCount()) return;
  focused_ = n;
  if (!Focusable(n)) FocusNext();
}

std::uint16_t DialogForm::Execute() {
  if (!IsOpen()) return CMD_CANCEL;
  end_ = false;
  has_focusable_ = false;
  for (int n = 1; n <= ItemCount(); ++n) has_focusable_ = has_focusable_ || Focusable(n);
  do {
    ui_.toolkit.current_form = this;
    UiEvent ev;
    if (has_focusable_) {
      if (!Focusable(focused_)) FocusItem(focused_);
      ev = Item(focused_)->Run();
    } else {
      ev = read_event(ui_);
      PreviewEvent(ev);
    }
    HandleEvent(ev);
    last_ = ev;
  } while (!end_);
  ui_.toolkit.current_form = nullptr;
  ui_.console.show_cursor(false);
  return last_.kind == kEventCommand ? last_.command : 0;
}

void DialogForm::Post(UiEvent& ev, std::uint16_t command) {
  ev = command_event(command, kFromForm);
  HandleEvent(ev);
}

void DialogForm::PreviewEvent(UiEvent&) {}

void DialogForm::HandleEvent(UiEvent& ev) {
  switch (ev.kind) {
    case kEventKey: HandleKey(ev); break;
    case kEventMouse: HandleMouse(ev); break;
    case kEventCommand: HandleCommand(ev); break;
    default: break;
  }
}

void DialogForm::HandleKey(UiEvent& ev) {
  switch (ev.key) {
    case keys::kEsc:
      Post(ev, CMD_CANCEL);
      return;
    case keys::kUp:
    case keys::kShiftTab:
    case keys::kLeft:
      FocusPrevious();
      return;
    case keys::kDown:
    case keys::kRight:
    case keys::kTab:
    case keys::kEnter:
      FocusNext();
      return;
    case keys::kF1: {
      const Control* c = Item(focused_);
      const std::uint16_t context = c && c->HelpContext() ? c->HelpContext() : help_context_;
      if (help_handler_) help_handler_(context);
      return;
    }
    default:
      break;
  }
  if (ev.extended || first_button_ == 0 || ev.ch < 0x20) return;
  if (const int n = ButtonWithHotLetter(ev.ch)) {
    focused_ = n;
    Post(ev, static_cast<const PushButton*>(Item(n))->Command());
  }
}

int DialogForm::ButtonWithHotLetter(std::uint8_t ch) const {
  const auto wanted = charset::upper_char(ch);
  for (int n = first_button_; n <= ItemCount(); ++n) {
    const Control* c = Item(n);
    if (c->Kind() != kKindPushButton) continue;
    const auto& title = static_cast<const PushButton*>(c)->Title();
    if (!title.empty() && charset::upper_char(static_cast<std::uint8_t>(title[0])) == wanted)
      return n;
  }
  return 0;
}

void DialogForm::HandleMouse(UiEvent& ev) {
  if (ev.buttons == kLeftButton) {
    for (int n = 1; n <= ItemCount(); ++n) {
      if (Focusable(n) && Item(n)->GetBounds().contains(ev.win_col, ev.win_row)) {
        focused_ = n;
        return;
      }
    }
  } else if (ev.buttons == kRightButton) {
    Post(ev, CMD_CANCEL);
  } else if (ev.buttons & (kMiddleButton | kRightButton)) {
    // The middle button, or both buttons at once.
    Post(ev, CMD_OK);
  }
}

void DialogForm::HandleCommand(UiEvent& ev) {
  if (ev.command == CMD_FOCUS_ITEM && ev.item >= 1 && ev.item <= ItemCount()) FocusItem(ev.item);
  if (ends_form(ev.command)) End();
}

}  // namespace vx::ui
