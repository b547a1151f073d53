#pragma once
// The full screen on ncursesw: the 80 x 25 grid drawn at the top-left of the
// terminal in its Unicode forms and colours, or a plain message while the
// window is too small for it.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/console.hpp"
#include "platform/terminal_tty.hpp"

namespace vx::platform {

using ScreenCells = std::array<Cell, kScreenCols * kScreenRows>;

struct CursorState {
  int col = 1, row = 1;  // from 1
  bool visible = true;
  bool insert_shape = false;
};

class CursesScreen {
 public:
  CursesScreen() = default;
  CursesScreen(const CursesScreen&) = delete;
  CursesScreen& operator=(const CursesScreen&) = delete;
  ~CursesScreen() { stop(); }

  // Takes over the terminal; false, with the reason on standard error, when
  // the terminal cannot be driven.
  bool start();
  // Gives the terminal back as it was found.
  void stop();
  bool active() const { return screen_ != nullptr; }
  // Whether the window holds the whole grid.
  bool fits() const;
  // Follows a new window size; everything is drawn afresh by the next show.
  void resize(tty::WindowSize size);
  // Brings the terminal up to date with the grid and the cursor.
  void show(const ScreenCells& cells, const CursorState& cursor);
  // Steps out of the full screen for text written to standard output; the
  // next show steps back in.
  void step_out();
  void bell();

 private:
  void draw_cell(int index, Cell cell);
  void show_too_small();
  void place_cursor(const CursorState& cursor);
  short colour_pair(std::uint8_t attr);

  void* screen_ = nullptr;  // the curses SCREEN
  int colour_count_ = 0;
  std::string modes_on_;       // mouse reports and keypad mode
  std::string modes_off_;
  bool switched_on_ = false;
  bool stale_ = true;          // the terminal shows something else than shown_
  bool stepped_out_ = false;
  int cursor_shape_ = -1;      // the visibility last given to curses
  ScreenCells shown_{};
  std::array<short, 256> pair_of_attr_{};           // 0: not asked for yet
  std::vector<std::pair<int, int>> pair_colours_;   // pair n + 1: foreground, background
};

}  // namespace vx::platform
