#pragma once
// A line of text in a form: on its own, or the label of a control, lit while
// that control has the keyboard.
#include <memory>
#include <string>
#include <string_view>

#include "ui/control.hpp"

namespace vx::ui {

inline constexpr std::size_t kLabelTextMax = 80;

class FieldLabel : public Control {
 public:
  FieldLabel(int col, int row, std::string_view text);

  const std::string& Text() const { return text_; }
  void SetHighlighted(bool on) { highlighted_ = on; }

 protected:
  void DrawBody() override;

 private:
  std::string text_;
  bool highlighted_ = false;
};

// A label, or nullptr for an empty text (the control then has none).
std::unique_ptr<FieldLabel> make_label(int col, int row, std::string_view text);

}  // namespace vx::ui
