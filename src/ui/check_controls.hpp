#pragma once
// Check boxes and radio groups bound to the caller's byte, set word or
// choice number.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ui/control.hpp"
#include "ui/field_label.hpp"
#include "ui/item_list.hpp"

namespace vx::ui {

// One box with its text: Space or x toggles the bound byte (0 or 1).
class CheckBox : public Control {
 public:
  CheckBox(std::unique_ptr<FieldLabel> label, int col, int row, std::uint8_t& bound,
           std::string_view text);

 protected:
  Outcome HandleKey(UiEvent& ev) override;
  Outcome HandleClick(UiEvent& ev) override;
  void DrawBody() override;

 private:
  void Toggle();

  std::uint8_t& value_;
  std::string text_;
};

// Items one per row; the group moves between them with the arrows and hands
// the arrow on to the form past the first and the last.
class ItemGroup : public Control {
 public:
  int Current() const { return current_; }
  int Count() const { return static_cast<int>(items_.Size()); }

 protected:
  ItemGroup(ControlKind kind, std::unique_ptr<FieldLabel> label, int col, int row,
            ItemList items, char open, char mark, char close);

  Outcome HandleKey(UiEvent& ev) override;
  Outcome HandleClick(UiEvent& ev) override;
  void DrawBody() override;

  // The key applied to the current item; false when the key is not one of
  // the group's.
  virtual bool Apply(const UiEvent& ev) = 0;
  virtual bool Marked(int item) const = 0;
  // What a click on an item does besides making it current.
  virtual void Choose() = 0;

  ItemList items_;
  int current_ = 1;

 private:
  char open_, mark_, close_;
  int width_ = 0;  // the longest item
};

// One bit of the bound word per item: bit i for the item i + 1.
class CheckGroup : public ItemGroup {
 public:
  CheckGroup(std::unique_ptr<FieldLabel> label, int col, int row, ItemList items,
             std::uint16_t& bound);

 protected:
  bool Apply(const UiEvent& ev) override;
  bool Marked(int item) const override;
  void Choose() override;

 private:
  std::uint16_t Mask() const;
  std::uint16_t& value_;
};

// The bound word holds the chosen item's number from 0.
class RadioGroup : public ItemGroup {
 public:
  RadioGroup(std::unique_ptr<FieldLabel> label, int col, int row, ItemList items,
             std::uint16_t& bound);

 protected:
  bool Apply(const UiEvent& ev) override;
  bool Marked(int item) const override;
  void Choose() override;

 private:
  std::uint16_t& value_;
};

}  // namespace vx::ui
