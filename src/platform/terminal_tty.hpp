#pragma once
// The terminal device under the screen: its modes, the bytes the keyboard
// sends, the window-size signal, and putting the terminal back as it was
// found however the program ends (normally, by a signal or by a fault).
#include <optional>
#include <string>
#include <string_view>

namespace vx::platform::tty {

// Remembers the modes of the terminal as found and guards them: on a fatal
// signal or std::terminate the undo sequence is written and the modes are
// put back. Also starts noting window-size changes.
void install_guards();
// Puts back the signal and terminate handlers found before.
void remove_guards();

// Control sequences that switch off what the screen switched on (mouse
// reports, keypad mode, the alternate screen); written by the guards.
void set_undo_sequence(std::string_view sequence);

// Keys byte by byte without echo or line editing, Ctrl+C sent as SIGINT;
// output keeps its line-end processing. Used while the full screen is not up.
void enter_raw_input();
// Under the full screen's raw modes: Ctrl+C sent as SIGINT, the terminal's
// other signal keys left as keys.
void keep_ctrl_c_as_signal();
// The modes as found.
void restore_modes();

enum class ReadResult { kBytes, kTimeout, kInterrupted, kClosed };
// Appends the bytes standard input holds, waiting up to timeout_ms for them
// (-1: as long as it takes). A signal (a resize) interrupts the wait.
ReadResult read_input(std::string& into, int timeout_ms);

// Whether the window changed size since the last call.
bool take_resize();

struct WindowSize {
  int cols, rows;
};
std::optional<WindowSize> window_size();

// Writes to standard output at once, past any buffering.
void write_out(std::string_view bytes);

}  // namespace vx::platform::tty
