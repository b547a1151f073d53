#pragma once
// The console of an unattended run: the screens are kept but never shown,
// nobody is there to press a key. A wait for a key that slips through is
// answered at once with Esc, the answer that goes on without changing
// anything. Text for standard output goes out as UTF-8.
#include <string_view>

#include "platform/console.hpp"

namespace vx::platform {

class QuietConsole final : public Console {
 public:
  void put(int col, int row, Cell cell) override { grid_.put(col, row, cell); }
  Cell get(int col, int row) const override { return grid_.get(col, row); }
  void set_cursor(int, int) override {}
  void show_cursor(bool, bool) override {}

  bool key_waiting() override { return false; }
  KeyEvent read_key() override;
  std::optional<MouseEvent> take_mouse() override { return std::nullopt; }
  void idle(int) override {}

  void beep(int, int) override {}
  void sleep_ms(int ms) override;
  int seconds_of_day() override;
  void write_stdout(std::string_view cp852) override;
  void finish(int) override;

 private:
  ScreenGrid grid_;
};

}  // namespace vx::platform
