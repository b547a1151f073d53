#pragma once
// Key hints on the last screen row. Bars stack: a new bar covers the one
// below until it is removed. A key or a click on a hint becomes the hint's
// command.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console.hpp"
#include "ui/event.hpp"

namespace vx::ui {

struct Ui;

struct StatusKey {
  std::string text;  // CP852; shown with the separator after it
  std::uint16_t key = 0;
  std::uint16_t command = 0;
};

inline constexpr int kStatusRow = platform::kScreenRows;
inline constexpr std::uint8_t kStatusColour = 0x70;
inline constexpr std::size_t kStatusTextMax = 40;
inline constexpr char kStatusSeparator = '\xB3';

class StatusBar {
 public:
  // Pushes the bar and draws it.
  StatusBar(Ui& ui, const std::vector<StatusKey>& keys);
  // Pops it and gives the row back as it was.
  ~StatusBar();
  StatusBar(const StatusBar&) = delete;
  StatusBar& operator=(const StatusBar&) = delete;

  // A key equal to an entry's key, or a left click on row 25 over an entry
  // with a command, becomes that entry's command.
  void translate(UiEvent& ev) const;

 private:
  struct Entry {
    StatusKey key;
    int first_col, last_col;
  };

  void draw() const;

  Ui& ui_;
  std::vector<Entry> entries_;
  StatusBar* below_;
  std::array<platform::Cell, platform::kScreenCols> saved_row_{};
};

}  // namespace vx::ui
