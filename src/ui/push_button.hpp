#pragma once
// A button: Enter, Space or a click posts its command; the first character
// of its title is its hot letter in the form.
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/control.hpp"
#include "ui/field_label.hpp"

namespace vx::ui {

inline constexpr std::size_t kButtonTitleMax = 70;

class PushButton : public Control {
 public:
  // The face is width - 1 columns wide and its right column and the row
  // below it hold the shadow.
  PushButton(int col, int row, int width, int height, std::string_view title,
             std::uint16_t command);

  std::uint16_t Command() const { return command_; }
  const std::string& Title() const { return title_; }

 protected:
  Outcome HandleKey(UiEvent& ev) override;
  Outcome HandleClick(UiEvent& ev) override;
  void DrawBody() override;

 private:
  Outcome Press(UiEvent& ev);
  void DrawFace(bool pressed);

  std::uint16_t command_;
  std::string title_;
};

}  // namespace vx::ui
