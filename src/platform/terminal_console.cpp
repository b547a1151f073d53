#include "platform/terminal_console.hpp"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <deque>
#include <iostream>
#include <thread>

#include "charset/utf8.hpp"
#include "platform/terminal_keys.hpp"
#include "platform/terminal_screen.hpp"
#include "platform/stop_request.hpp"
#include "platform/terminal_tty.hpp"

namespace vx::platform {

namespace {

using Clock = std::chrono::steady_clock;

// How long the rest of an escape sequence may take before a lone ESC counts
// as the Esc key.
constexpr int kEscapeDelayMs = 50;
// Drawing without waiting for input reaches the terminal at most this often.
constexpr auto kShowInterval = std::chrono::milliseconds(30);

int ms_since(Clock::time_point t) {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count());
}

bool on_grid(const MouseEvent& m) {
  return m.col >= 1 && m.col <= kScreenCols && m.row >= 1 && m.row <= kScreenRows;
}

// The console on the terminal. The full screen starts with the first cell
// drawn: text written to standard output before that (the usage screen)
// stays on the terminal as ordinary output.
class TerminalConsole final : public Console {
 public:
  TerminalConsole() {
    tty::install_guards();
  }
  ~TerminalConsole() override { close_down(); }

  void put(int col, int row, Cell cell) override {
    if (!grid_.put(col, row, cell)) return;
    drawn_ = true;
    show_if_due();
  }

  Cell get(int col, int row) const override { return grid_.get(col, row); }

  void set_cursor(int col, int row) override {
    cursor_.col = col;
    cursor_.row = row;
  }

  void show_cursor(bool visible, bool insert_shape) override {
    cursor_.visible = visible;
    cursor_.insert_shape = insert_shape;
  }

  bool key_waiting() override {
    show_if_due();
    pull_input(0);
    return std::any_of(queue_.begin(), queue_.end(),
                       [](const TerminalInput& in) { return in.kind == TerminalInput::kKey; });
  }

  KeyEvent read_key() override {
    show();
    for (;;) {
      while (!queue_.empty()) {
        const TerminalInput in = queue_.front();
        queue_.pop_front();
        if (in.kind == TerminalInput::kKey) return in.key;
      }
      pull_input(-1);
    }
  }

  std::optional<MouseEvent> take_mouse() override {
    pull_input(0);
    if (queue_.empty() || queue_.front().kind != TerminalInput::kMouse) return std::nullopt;
    const MouseEvent m = queue_.front().mouse;
    queue_.pop_front();
    return m;
  }

  void idle(int ms) override {
    show();
    if (queue_.empty()) pull_input(ms);
  }

  void beep(int, int) override {
    if (screen_.active())
      screen_.bell();
    else
      tty::write_out("\a");
  }

  void sleep_ms(int ms) override {
    show();
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    stop_if_requested();
  }

  int seconds_of_day() override {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return 0;
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
  }

  void write_stdout(std::string_view cp852) override {
    screen_.step_out();
    tty::write_out(charset::cp852_text_to_utf8(cp852));
  }

  void present() override { show(); }

  void finish(int) override { close_down(); }

 private:
  // The terminal catches up with the grid, once something has been drawn.
  void show() {
    last_show_ = Clock::now();
    if (!drawn_ || closed_) return;
    if (!screen_.active()) {
      if (raw_input_) {
        tty::restore_modes();  // curses saves the modes it finds as the ones to restore
        raw_input_ = false;
      }
      tty::take_resize();
      if (!screen_.start()) throw ProgramExit{1};
    }
    follow_resize();
    screen_.show(grid_.cells, cursor_);
  }

  // Thousands of progress lines in a row reach the terminal a few times a
  // second, not one by one.
  void show_if_due() {
    if (Clock::now() - last_show_ >= kShowInterval) show();
  }

  bool follow_resize() {
    if (!tty::take_resize() || !screen_.active()) return false;
    if (const auto size = tty::window_size()) screen_.resize(*size);
    return true;
  }

  // Reads what the keyboard and mouse sent, waiting up to timeout_ms (-1:
  // until an input is complete) and resolving a lone ESC after its delay.
  void pull_input(int timeout_ms) {
    if (closed_) return;
    if (!screen_.active() && !raw_input_) {
      tty::enter_raw_input();
      raw_input_ = true;
    }
    const auto start = Clock::now();
    for (;;) {
      if (follow_resize()) screen_.show(grid_.cells, cursor_);
      int wait = timeout_ms < 0 ? -1 : std::max(0, timeout_ms - ms_since(start));
      if (parser_.pending()) {
        const int left = kEscapeDelayMs - ms_since(last_byte_);
        if (left <= 0) {
          std::vector<TerminalInput> inputs;
          parser_.delay_passed(inputs);
          take(inputs);
          if (!queue_.empty()) return;
          continue;
        }
        wait = wait < 0 ? left : std::min(wait, left);
      }
      std::string bytes;
      const auto result = tty::read_input(bytes, wait);
      if (result == tty::ReadResult::kClosed) {
        stop_if_requested();  // the terminal was closed: a stop, not a fault
        close_down();
        std::cerr << "vx17-18: the keyboard is gone\n";
        throw ProgramExit{1};
      }
      if (result == tty::ReadResult::kBytes) {
        last_byte_ = Clock::now();
        std::vector<TerminalInput> inputs;
        parser_.feed(bytes, inputs);
        take(inputs);
      }
      stop_if_requested();
      if (!queue_.empty()) return;
      if (timeout_ms >= 0 && ms_since(start) >= timeout_ms) return;
    }
  }

  void take(const std::vector<TerminalInput>& inputs) {
    // Keys typed while the grid cannot be seen would answer questions blind.
    if (screen_.active() && !screen_.fits()) return;
    for (const auto& in : inputs)
      if (in.kind == TerminalInput::kKey || on_grid(in.mouse)) queue_.push_back(in);
  }

  void close_down() {
    if (closed_) return;
    closed_ = true;
    screen_.stop();
    if (raw_input_) tty::restore_modes();
    raw_input_ = false;
    tty::remove_guards();
  }

  ScreenGrid grid_;
  CursorState cursor_;
  CursesScreen screen_;
  TerminalKeyParser parser_;
  std::deque<TerminalInput> queue_;
  Clock::time_point last_show_{};
  Clock::time_point last_byte_{};
  bool drawn_ = false;      // a cell has been put: the full screen is wanted
  bool raw_input_ = false;  // our own raw mode, while curses is not up
  bool closed_ = false;
};

}  // namespace

std::unique_ptr<Console> make_terminal_console() { return std::make_unique<TerminalConsole>(); }

}  // namespace vx::platform
