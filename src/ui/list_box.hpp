#pragma once
// A framed, scrolling list for forms. It holds no items: a derived list
// gives their number and the text of each, so a list can show a table of any
// size. The current item lives in the caller's variable; the action keys
// become commands for the form.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "ui/control.hpp"
#include "ui/field_label.hpp"

namespace vx::ui {

// Commands posted by a list.
inline constexpr std::uint16_t kListEnter = 0xF405;
inline constexpr std::uint16_t kListCtrlEnter = 0xF404;
inline constexpr std::uint16_t kListDelete = 0xF403;
inline constexpr std::uint16_t kListInsert = 0xF406;

inline constexpr std::size_t kSearchTextMax = 40;
inline constexpr std::size_t kSearchColumnsMax = 5;

class ListBox : public Control {
 public:
  // Rows of `width` columns, `rows` of them in view, inside a single frame
  // when lists are framed (the frame's top-left corner is then at col, row).
  // current: the caller's 1-based current item; an own one when null.
  ListBox(Ui& ui, std::unique_ptr<FieldLabel> label, int col, int row, int width, int rows,
          std::int32_t* current = nullptr);

  // The number of items and the text of item n (from 1), at most the row
  // width long.
  virtual std::int32_t ItemCount() = 0;
  virtual std::string ItemText(std::int32_t n) = 0;
  // Whether item n matches the search text (upper case): by default its row
  // text, upper-cased from the current search column on, begins with it.
  virtual bool SearchMatch(std::int32_t n, const std::string& search);

  std::int32_t CurrentItem() const { return *current_; }
  void SetCurrentItem(std::int32_t n);
  std::int32_t TopItem() const { return top_; }
  const std::string& SearchText() const { return search_; }

  std::int32_t UserValue() const { return user_value_; }
  void SetUserValue(std::int32_t value) { user_value_ = value; }

  // Columns of the row text (from 1, 0 = none) where Tab and Shift+Tab put
  // the search; without them Tab leaves the list.
  void SetSearchColumns(const std::array<std::uint8_t, kSearchColumnsMax>& columns);

 protected:
  Outcome HandleKey(UiEvent& ev) override;
  Outcome HandleClick(UiEvent& ev) override;
  void OnEnter() override;
  void DrawBody() override;
  virtual void DrawRow(int row_index, std::int32_t item);
  void DrawEmpty();

 private:
  Outcome HandleEmptyKey(UiEvent& ev);
  Outcome Post(UiEvent& ev, std::uint16_t command);
  void Refresh();
  void Move(std::int32_t to);
  void Search(std::uint8_t ch);
  void StepColumn(int step);
  int FirstRowCol() const { return bounds_.left + (framed_ ? 1 : 0); }
  int FirstRowRow() const { return bounds_.top + (framed_ ? 1 : 0); }

  std::int32_t own_current_ = 1;
  std::int32_t* current_;
  std::int32_t count_ = 0;
  std::int32_t top_ = 1;
  int rows_;
  int width_;
  std::string search_;
  std::array<std::uint8_t, kSearchColumnsMax> columns_{};
  int column_ = 0;
  bool columns_enabled_ = false;
  bool framed_;
  std::int32_t user_value_ = 0;
};

}  // namespace vx::ui
