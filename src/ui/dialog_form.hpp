#pragma once
// A modal form: a framed, titled window owning its controls, which edit the
// caller's variables in place. Execute returns the command that ended it.
// Derived forms (the wizard pages, the company screen) override HandleEvent,
// act on their own commands first and then call the base.
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/control.hpp"
#include "ui/event.hpp"
#include "ui/screen.hpp"
#include "ui/status_bar.hpp"

namespace vx::ui {

inline constexpr int kMaxItems = 255;

class DialogForm {
 public:
  // Opens the window from (left, top) to (left + width - 1, top + height - 1)
  // with the title in its top frame line. IsOpen() is false when it could not
  // be opened; such a form shows nothing and Execute gives CMD_CANCEL.
  DialogForm(Ui& ui, int left, int top, int width, int height, std::string_view title,
             std::uint16_t user_word = 0);
  // Removes the status bar, frees the controls last to first and gives the
  // screen below back (Done, if not called before).
  virtual ~DialogForm();
  DialogForm(const DialogForm&) = delete;
  DialogForm& operator=(const DialogForm&) = delete;

  bool IsOpen() const { return window_ != nullptr; }

  // Appends a control as the next item and draws it; a null control is
  // ignored. Returns the control, which the form owns.
  template <class C>
  C* Insert(std::unique_ptr<C> control) {
    static_assert(std::is_base_of_v<Control, C>);
    C* raw = control.get();
    return InsertControl(std::move(control)) ? raw : nullptr;
  }
  template <class C, class... Args>
  C* Add(Args&&... args) {
    return Insert(std::make_unique<C>(std::forward<Args>(args)...));
  }

  // The form's status bar, shown at once and removed with the form.
  void SetStatusBar(const std::vector<StatusKey>& keys);

  // The modal loop: returns the command code of the event that ended it
  // (0 when a derived form ended it on an event that is not a command).
  std::uint16_t Execute();
  // Sees every event read while the form runs, before the focused control
  // or HandleEvent does (a page keeps its options consistent here).
  virtual void PreviewEvent(UiEvent& ev);
  // The toolkit's handling: Esc and the mouse buttons, focus movement, hot
  // letters of the buttons, the commands that end a form.
  virtual void HandleEvent(UiEvent& ev);
  // Draws every control that is not hidden.
  void Draw();
  // Ends the modal loop after the current event.
  void End() { end_ = true; }
  // Frees the controls and closes the window now.
  void Done();

  // Items are numbered from 1 in insertion order.
  int ItemCount() const { return static_cast<int>(items_.size()); }
  Control* Item(int n) const;
  int FocusedItem() const { return focused_; }
  // Focuses item n, or the next focusable one after it.
  void FocusItem(int n);
  void FocusNext();
  void FocusPrevious();

  // Text inside the window, cut at the frame.
  void WriteText(int col, int row, std::string_view text, std::uint8_t attr);

  Ui& GetUi() const { return ui_; }
  Window* GetWindow() const { return window_.get(); }
  std::uint16_t UserWord() const { return user_word_; }

  std::uint16_t HelpContext() const { return help_context_; }
  void SetHelpContext(std::uint16_t context) { help_context_ = context; }
  // F1 calls it with the focused control's help context, or the form's.
  void SetHelpHandler(std::function<void(std::uint16_t)> handler) {
    help_handler_ = std::move(handler);
  }

 protected:
  // Turns the event into a command of the form (origin 4) and hands it to
  // HandleEvent again, so a derived form sees it as if a button sent it.
  void Post(UiEvent& ev, std::uint16_t command);

 private:
  bool InsertControl(std::unique_ptr<Control> control);
  bool Focusable(int n) const;
  void HandleKey(UiEvent& ev);
  void HandleMouse(UiEvent& ev);
  void HandleCommand(UiEvent& ev);
  // The first button, from the first one inserted on, whose title begins
  // with the character; 0 when none.
  int ButtonWithHotLetter(std::uint8_t ch) const;

  Ui& ui_;
  std::vector<std::unique_ptr<Control>> items_;
  std::unique_ptr<StatusBar> status_bar_;
  std::uint16_t help_context_ = 0;
  int focused_ = 1;
  bool has_focusable_ = false;
  std::function<void(std::uint16_t)> help_handler_;
  std::uint16_t user_word_;
  int first_button_ = 0;
  bool end_ = false;
  UiEvent last_;
  std::unique_ptr<Window> window_;
};

}  // namespace vx::ui
