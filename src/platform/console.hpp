#pragma once
// The one door to the screen and keyboard: an 80 x 25 grid of CP852 cells,
// PC key codes, mouse clicks, beeps, a clock and sleeps. The terminal and the
// scripted backends implement it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include "platform/program_exit.hpp"

namespace vx::platform {

inline constexpr int kScreenCols = 80;
inline constexpr int kScreenRows = 25;

struct Cell {
  std::uint8_t ch = ' ';
  std::uint8_t attr = 0x07;  // background high nibble, foreground low nibble
  bool operator==(const Cell&) const = default;
};

// The cells a backend keeps; writes off the screen are dropped.
struct ScreenGrid {
  std::array<Cell, kScreenCols * kScreenRows> cells{};

  static bool on_screen(int col, int row) {
    return col >= 1 && col <= kScreenCols && row >= 1 && row <= kScreenRows;
  }
  static std::size_t index(int col, int row) {
    return static_cast<std::size_t>((row - 1) * kScreenCols + col - 1);
  }
  bool put(int col, int row, Cell cell) {
    if (!on_screen(col, row)) return false;
    cells[index(col, row)] = cell;
    return true;
  }
  Cell get(int col, int row) const { return on_screen(col, row) ? cells[index(col, row)] : Cell{}; }
};

// PC key: scan code in the high byte, character in the low byte.
struct KeyEvent {
  std::uint16_t code = 0;
  std::uint8_t shift = 0;  // 0x2B or 0x68 when Shift is held
  std::uint8_t ch() const { return static_cast<std::uint8_t>(code & 0xFF); }
  std::uint8_t scan() const { return static_cast<std::uint8_t>(code >> 8); }
};

struct MouseEvent {
  std::uint16_t buttons = 0;  // 1 left, 2 right, 4 middle
  int col = 1;                // screen column and row, counted from 1
  int row = 1;
};

inline constexpr std::uint8_t kShiftState = 0x2B;

class Console {
 public:
  virtual ~Console() = default;

  // Cells, columns and rows counted from 1.
  virtual void put(int col, int row, Cell cell) = 0;
  virtual Cell get(int col, int row) const = 0;
  virtual void set_cursor(int col, int row) = 0;
  virtual void show_cursor(bool visible, bool insert_shape = false) = 0;

  // A key the program may read without waiting.
  virtual bool key_waiting() = 0;
  // Waits for a key (mouse input is skipped).
  virtual KeyEvent read_key() = 0;
  // A mouse click waiting, taken from the queue.
  virtual std::optional<MouseEvent> take_mouse() = 0;
  // The idle pause of an event loop: returns when input may be waiting or the
  // time has passed.
  virtual void idle(int ms) = 0;

  // A tone; the length is in units of 48 ms.
  virtual void beep(int frequency_hz, int length_units) = 0;
  virtual void sleep_ms(int ms) = 0;
  // Local time of day in seconds since midnight.
  virtual int seconds_of_day() = 0;

  // Text written straight to standard output (CP852 in, converted here).
  virtual void write_stdout(std::string_view cp852) = 0;

  // Makes the screen current for the viewer; backends coalesce updates.
  virtual void present() {}
  // The program ends with this code; the backend shows its last word.
  virtual void finish(int exit_code) = 0;
};

// The scripted console stopped the run (script exhausted or bad script line);
// it has already said why.
struct ScriptStop {
  int code;
};

// The backend chosen by VX_CONSOLE and whether standard input is a terminal.
std::unique_ptr<Console> make_console();

}  // namespace vx::platform
