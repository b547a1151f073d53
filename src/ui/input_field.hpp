#pragma once
// A one-line text field bound to a string of the caller. It shows `width`
// columns and holds up to `max_length` characters; a longer text scrolls
// sideways to keep the cursor in view.
#include <cstdint>
#include <memory>
#include <string>

#include "ui/control.hpp"
#include "ui/field_label.hpp"

namespace vx::ui {

inline constexpr int kFieldWidthMax = 80;
inline constexpr int kFieldLengthMax = 255;
// Ctrl+K keeps at most this much of a field.
inline constexpr std::size_t kClipboardMax = 80;

// Beeps of the keys a field cannot apply.
inline constexpr int kBeepDelete = 2250;
inline constexpr int kBeepBackspace = 1200;
inline constexpr int kBeepFull = 3000;

class InputField : public Control {
 public:
  // max_length 0 means the width. A bound text longer than max_length is cut
  // to it, otherwise its trailing blanks are removed.
  InputField(std::unique_ptr<FieldLabel> label, int col, int row, int width,
             std::string& bound, int max_length = 0);

  void SetUpperCaseOnly(bool on) { upper_only_ = on; }
  // Shows the text as "*"; redrawn at once.
  void SetMasked(bool on) {
    masked_ = on;
    Draw();
  }
  int Width() const { return width_; }
  int MaxLength() const { return max_length_; }
  // Cursor column within the text, from 1.
  int Cursor() const { return cursor_; }

  // The characters a field takes as typed text.
  static bool Accepts(std::uint8_t ch);

 protected:
  Outcome HandleKey(UiEvent& ev) override;
  Outcome HandleClick(UiEvent& ev) override;
  void OnEnter() override;
  void OnLeave() override;
  void PlaceCursor() override;
  void DrawBody() override;

 private:
  int Length() const { return static_cast<int>(text_.size()); }
  void Type(std::uint8_t ch);
  void SetText(std::string text);
  void Scroll();

  std::string& text_;
  std::string entry_text_;
  int width_;
  int max_length_;
  int cursor_ = 1;
  int first_shown_ = 0;  // index of the first character in view
  bool upper_only_ = false;
  bool masked_ = false;
};

}  // namespace vx::ui
