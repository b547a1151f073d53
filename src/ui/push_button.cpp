#include "ui/push_button.hpp"

#include <algorithm>

#include "platform/key_codes.hpp"
#include "ui/control_colours.hpp"
#include "ui/screen.hpp"
#include "ui/ui_context.hpp"

namespace vx::ui {

namespace {
constexpr std::uint8_t kLowerHalfBlock = 0xDC;
constexpr std::uint8_t kUpperHalfBlock = 0xDF;
// How long a pressed button stays down on the screen.
constexpr int kPressMs = 100;
}  // namespace

PushButton::PushButton(int col, int row, int width, int height, std::string_view title,
                       std::uint16_t command)
    : Control(kKindPushButton, {col, row, col + width, row + std::max(height, 1)}, nullptr),
      command_(command),
      title_(title.substr(0, std::min(title.size(), kButtonTitleMax))) {}

Control::Outcome PushButton::Press(UiEvent& ev) {
  DrawFace(true);
  auto& ui = GetUi();
  ui.console.present();
  ui.console.sleep_ms(kPressMs);
  ev = command_event(command_, kFromForm);
  return Outcome::kLeave;
}

Control::Outcome PushButton::HandleKey(UiEvent& ev) {
  if (ev.key == platform::keys::kEnter || ev.is_char(' ')) return Press(ev);
  return Outcome::kLeave;
}

Control::Outcome PushButton::HandleClick(UiEvent& ev) { return Press(ev); }

void PushButton::DrawBody() { DrawFace(false); }

void PushButton::DrawFace(bool pressed) {
  Window& w = GetWindow();
  const int width = bounds_.right - bounds_.left;
  const int face_width = std::max(width - 1, 1);
  const int height = bounds_.bottom - bounds_.top;
  const int face_rows = height > 1 ? height - 1 : 1;
  const auto inside = w.colours().inside;
  const auto shadow = shadow_colour(inside);
  const auto face = active_ ? kButtonFocusedColour : kButtonColour;
  // Pressed, the face moves one column right onto its shadow.
  const int face_col = bounds_.left + (pressed ? 1 : 0);

  const int shown = std::min(static_cast<int>(title_.size()), face_width);
  const int title_col = face_col + (face_width - shown) / 2;
  const int title_row = bounds_.top + (face_rows - 1) / 2;
  for (int r = 0; r < face_rows; ++r) {
    const int row = bounds_.top + r;
    if (pressed) w.fill(bounds_.left, row, 1, ' ', inside);
    w.fill(face_col, row, face_width, ' ', face);
    if (!pressed) w.fill(face_col + face_width, row, 1, r == 0 ? kLowerHalfBlock : 0xDB, shadow);
  }
  w.write(title_col, title_row, std::string_view(title_).substr(0, static_cast<std::size_t>(shown)),
          face);
  const int below = bounds_.top + face_rows;
  if (pressed)
    w.fill(bounds_.left + 1, below, face_width, ' ', inside);
  else
    w.fill(bounds_.left + 1, below, face_width, kUpperHalfBlock, shadow);
}

}  // namespace vx::ui
