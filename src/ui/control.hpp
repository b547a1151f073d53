#pragma once
// The common part of every control of a form: its place inside the form's
// window, its label, its flags and the loop that gives it the keyboard.
#include <cstdint>
#include <memory>

#include "ui/event.hpp"

namespace vx::ui {

class DialogForm;
class FieldLabel;
class Window;
struct Ui;

// Inside the form's window, counted from 1; right and bottom exclusive.
struct Bounds {
  int left = 1, top = 1, right = 1, bottom = 1;
  bool contains(int col, int row) const {
    return col >= left && col < right && row >= top && row < bottom;
  }
};

enum ControlKind : std::uint8_t {
  kKindLabel = 0,
  kKindInputField = 1,
  kKindCheckBox = 9,
  kKindCheckGroup = 10,
  kKindRadioGroup = 11,
  kKindPushButton = 12,
  kKindListBox = 13,
};

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Takes the keyboard until an event comes that the control does not use,
  // and returns that event.
  virtual UiEvent Run();
  // Draws the label and the control (nothing when hidden or not in a form).
  virtual void Draw();

  ControlKind Kind() const { return kind_; }
  const Bounds& GetBounds() const { return bounds_; }
  bool Focusable() const { return !skip_ && !hidden_; }
  bool Active() const { return active_; }
  void SetSkip(bool skip) { skip_ = skip; }
  void SetHidden(bool hidden) { hidden_ = hidden; }
  std::uint16_t HelpContext() const { return help_context_; }
  void SetHelpContext(std::uint16_t context) { help_context_ = context; }
  DialogForm* Owner() const { return owner_; }

 protected:
  Control(ControlKind kind, Bounds bounds, std::unique_ptr<FieldLabel> label);

  enum class Outcome { kUsed, kLeave };
  // A key while the control has the keyboard; kLeave hands the event (maybe
  // changed into a command) to the form.
  virtual Outcome HandleKey(UiEvent& ev);
  // A left click inside the control, at ev.win_col / ev.win_row.
  virtual Outcome HandleClick(UiEvent& ev);
  virtual void OnEnter() {}
  virtual void OnLeave() {}
  // Shows the cursor where the control wants it; hidden by default.
  virtual void PlaceCursor();
  virtual void DrawBody() = 0;

  Ui& GetUi() const;
  Window& GetWindow() const;
  // Draws only when the control is in a form and shown.
  bool Drawable() const;

  Bounds bounds_;
  bool active_ = false;

 private:
  friend class DialogForm;
  void Attach(DialogForm* owner);

  ControlKind kind_;
  std::unique_ptr<FieldLabel> label_;
  std::uint16_t help_context_ = 0;
  bool skip_ = false;
  bool hidden_ = false;
  DialogForm* owner_ = nullptr;
};

}  // namespace vx::ui
