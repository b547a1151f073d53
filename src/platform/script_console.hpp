#pragma once
// Headless console: keys from a script, screens dumped as text, virtual time.
#include <array>
#include <deque>
#include <istream>
#include <ostream>

#include "platform/console.hpp"
#include "platform/key_script.hpp"

namespace vx::platform {

class ScriptConsole final : public Console {
 public:
  ScriptConsole(std::istream& script, std::ostream& out);

  void put(int col, int row, Cell cell) override;
  Cell get(int col, int row) const override;
  void set_cursor(int col, int row) override;
  void show_cursor(bool visible, bool insert_shape) override;

  bool key_waiting() override;
  KeyEvent read_key() override;
  std::optional<MouseEvent> take_mouse() override;
  void idle(int ms) override;

  void beep(int frequency_hz, int length_units) override;
  void sleep_ms(int ms) override;
  int seconds_of_day() override;
  void write_stdout(std::string_view cp852) override;
  void finish(int exit_code) override;

  int screens_shown() const { return screens_; }

 private:
  // Dumps the screen and makes the next scripted input available.
  void pull();
  void dump_rows();

  std::istream& script_;
  std::ostream& out_;
  ScreenGrid grid_;
  std::deque<ScriptInput> line_rest_;       // further keys of a "text" line
  std::optional<ScriptInput> available_;    // the input the program may take
  int line_number_ = 0;
  int screens_ = 0;
  long long clock_ms_ = 8LL * 3600 * 1000;  // virtual time from 08:00:00
};

}  // namespace vx::platform
