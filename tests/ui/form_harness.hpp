#pragma once
// A test form that ends on the caller's commands as well as the toolkit's,
// like the wizard pages: column 3, row 3, 76 x 22, so that the inside of the
// window begins at screen column 4, row 4.
#include "ui/dialog_form.hpp"

namespace vx::test {

inline constexpr int kInsideCol = 4;  // screen column of the form's column 1
inline constexpr int kInsideRow = 4;

class TestForm : public ui::DialogForm {
 public:
  explicit TestForm(ui::Ui& ui) : DialogForm(ui, 3, 3, 76, 22, " Test ") {}
  void HandleEvent(ui::UiEvent& ev) override {
    if (ev.kind == ui::kEventCommand && (ev.command & 0xFF00) != 0xDD00) End();
    DialogForm::HandleEvent(ev);
  }
};

}  // namespace vx::test
