#include "ui/control.hpp"

#include "ui/dialog_form.hpp"
#include "ui/event_source.hpp"
#include "ui/field_label.hpp"
#include "ui/screen.hpp"
#include "ui/ui_context.hpp"

namespace vx::ui {

Control::Control(ControlKind kind, Bounds bounds, std::unique_ptr<FieldLabel> label)
    : bounds_(bounds), kind_(kind), label_(std::move(label)) {}

Control::~Control() = default;

void Control::Attach(DialogForm* owner) {
  owner_ = owner;
  if (label_) label_->Attach(owner);
}

Ui& Control::GetUi() const { return owner_->GetUi(); }
Window& Control::GetWindow() const { return *owner_->GetWindow(); }
bool Control::Drawable() const { return owner_ && owner_->GetWindow() && !hidden_; }

void Control::Draw() {
  if (!Drawable()) return;
  if (label_) {
    label_->SetHighlighted(active_);
    label_->Draw();
  }
  DrawBody();
}

Control::Outcome Control::HandleKey(UiEvent&) { return Outcome::kLeave; }
Control::Outcome Control::HandleClick(UiEvent&) { return Outcome::kUsed; }

void Control::PlaceCursor() { GetUi().console.show_cursor(false); }

UiEvent Control::Run() {
  active_ = true;
  OnEnter();
  Draw();
  UiEvent ev;
  for (;;) {
    PlaceCursor();
    ev = read_event(GetUi());
    owner_->PreviewEvent(ev);
    Outcome outcome = Outcome::kLeave;
    if (ev.kind == kEventKey)
      outcome = HandleKey(ev);
    else if (ev.kind == kEventMouse && ev.buttons == kLeftButton &&
             bounds_.contains(ev.win_col, ev.win_row))
      outcome = HandleClick(ev);
    if (outcome == Outcome::kLeave) break;
  }
  OnLeave();
  active_ = false;
  Draw();
  return ev;
}

}  // namespace vx::ui
