#include "ui/field_label.hpp"

#include <algorithm>

#include "ui/control_colours.hpp"
#include "ui/screen.hpp"
#include "ui/ui_context.hpp"

namespace vx::ui {

FieldLabel::FieldLabel(int col, int row, std::string_view text)
    : Control(kKindLabel, {}, nullptr), text_(text.substr(0, std::min(text.size(), kLabelTextMax))) {
  bounds_ = {col, row, col + static_cast<int>(text_.size()), row + 1};
  SetSkip(true);
}

void FieldLabel::DrawBody() {
  const auto attr = highlighted_ ? kLabelFocusedColour : GetUi().toolkit.colours[kSlotFormText];
  GetWindow().write(bounds_.left, bounds_.top, text_, attr);
}

std::unique_ptr<FieldLabel> make_label(int col, int row, std::string_view text) {
  if (text.empty()) return nullptr;
  return std::make_unique<FieldLabel>(col, row, text);
}

}  // namespace vx::ui
