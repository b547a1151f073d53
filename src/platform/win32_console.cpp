#include <windows.h>

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "charset/unicode_table.hpp"
#include "platform/console_keys.hpp"
#include "platform/terminal_console.hpp"
#include "platform/win32_text.hpp"

namespace vx::platform {

namespace {

constexpr DWORD kShowIntervalMs = 30;
constexpr SHORT kCols = kScreenCols, kRows = kScreenRows;

struct Input {
  bool is_key = true;
  KeyEvent key;
  MouseEvent mouse;
};

// The console window of Windows: a screen buffer of its own, 80 x 25, that
// the grid is written to in Unicode cells; keys and clicks from the input
// records with their real scan codes. The buffer goes up with the first
// cell drawn and the console is given back as found at the end.
class Win32Console final : public Console {
 public:
  Win32Console() {
    in_ = GetStdHandle(STD_INPUT_HANDLE);
    out_ = GetStdHandle(STD_OUTPUT_HANDLE);
    have_input_mode_ = GetConsoleMode(in_, &input_mode_) != 0;
    // Ctrl+C is a key; clicks are reported instead of selecting text.
    if (have_input_mode_)
      SetConsoleMode(in_, ENABLE_MOUSE_INPUT | ENABLE_WINDOW_INPUT | ENABLE_EXTENDED_FLAGS);
  }
  ~Win32Console() override { close_down(); }

  void put(int col, int row, Cell cell) override {
    if (!grid_.put(col, row, cell)) return;
    drawn_ = true;
    show_if_due();
  }

  Cell get(int col, int row) const override { return grid_.get(col, row); }

  void set_cursor(int col, int row) override {
    cursor_col_ = col;
    cursor_row_ = row;
  }

  void show_cursor(bool visible, bool insert_shape) override {
    cursor_visible_ = visible;
    insert_shape_ = insert_shape;
  }

  bool key_waiting() override {
    show_if_due();
    pull_input(0);
    for (const auto& in : queue_)
      if (in.is_key) return true;
    return false;
  }

  KeyEvent read_key() override {
    show();
    for (;;) {
      while (!queue_.empty()) {
        const Input in = queue_.front();
        queue_.pop_front();
        if (in.is_key) return in.key;
      }
      pull_input(INFINITE);
    }
  }

  std::optional<MouseEvent> take_mouse() override {
    pull_input(0);
    if (queue_.empty() || queue_.front().is_key) return std::nullopt;
    const MouseEvent m = queue_.front().mouse;
    queue_.pop_front();
    return m;
  }

  void idle(int ms) override {
    show();
    if (queue_.empty()) pull_input(static_cast<DWORD>(ms < 0 ? 0 : ms));
  }

  void beep(int frequency_hz, int length_units) override {
    Beep(static_cast<DWORD>(frequency_hz), static_cast<DWORD>(length_units * 48));
  }

  void sleep_ms(int ms) override {
    show();
    Sleep(static_cast<DWORD>(ms < 0 ? 0 : ms));
  }

  int seconds_of_day() override {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
  }

  void write_stdout(std::string_view cp852) override {
    step_out();
    const std::wstring text = win32::to_wide(cp852);
    DWORD written = 0;
    if (!WriteConsoleW(out_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
      const std::string bytes(cp852);
      WriteFile(out_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
  }

  void present() override { show(); }

  void finish(int) override { close_down(); }

 private:
  // The buffer of our own: made on first use, then made the active one.
  bool step_in() {
    if (screen_ == INVALID_HANDLE_VALUE) {
      screen_ = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          CONSOLE_TEXTMODE_BUFFER, nullptr);
      if (screen_ == INVALID_HANDLE_VALUE) return false;
      // The window cannot be larger than the buffer: shrink it first.
      SMALL_RECT tiny{0, 0, 0, 0};
      SetConsoleWindowInfo(screen_, TRUE, &tiny);
      SetConsoleScreenBufferSize(screen_, COORD{kCols, kRows});
      SMALL_RECT window{0, 0, kCols - 1, kRows - 1};
      SetConsoleWindowInfo(screen_, TRUE, &window);
    }
    if (!stepped_in_) {
      SetConsoleActiveScreenBuffer(screen_);
      stepped_in_ = true;
    }
    return true;
  }

  void step_out() {
    if (!stepped_in_) return;
    SetConsoleActiveScreenBuffer(out_);
    stepped_in_ = false;
  }

  void show() {
    last_show_ = GetTickCount();
    if (!drawn_ || closed_) return;
    if (!step_in()) throw ProgramExit{1};
    std::vector<CHAR_INFO> grid(grid_.cells.size());
    for (std::size_t i = 0; i < grid_.cells.size(); ++i) {
      grid[i].Char.UnicodeChar = static_cast<WCHAR>(charset::kCp852ToUnicode[grid_.cells[i].ch]);
      // The console's attribute bits are the PC's.
      grid[i].Attributes = grid_.cells[i].attr;
    }
    SMALL_RECT area{0, 0, kCols - 1, kRows - 1};
    WriteConsoleOutputW(screen_, grid.data(), COORD{kCols, kRows}, COORD{0, 0}, &area);
    const bool on_grid = cursor_col_ >= 1 && cursor_col_ <= kScreenCols && cursor_row_ >= 1 &&
                         cursor_row_ <= kScreenRows;
    CONSOLE_CURSOR_INFO info{};
    info.dwSize = insert_shape_ ? 100 : 15;
    info.bVisible = cursor_visible_ && on_grid;
    SetConsoleCursorInfo(screen_, &info);
    if (on_grid)
      SetConsoleCursorPosition(screen_, COORD{static_cast<SHORT>(cursor_col_ - 1),
                                              static_cast<SHORT>(cursor_row_ - 1)});
  }

  void show_if_due() {
    if (GetTickCount() - last_show_ >= kShowIntervalMs) show();
  }

  void take(const INPUT_RECORD& r) {
    if (r.EventType == KEY_EVENT) {
      const KEY_EVENT_RECORD& k = r.Event.KeyEvent;
      if (!k.bKeyDown) return;
      const ConsoleKey key{static_cast<std::uint8_t>(k.wVirtualScanCode),
                           static_cast<char32_t>(k.uChar.UnicodeChar),
                           static_cast<std::uint32_t>(k.dwControlKeyState)};
      if (const auto pc = pc_key(key))
        for (WORD n = 0; n < (k.wRepeatCount ? k.wRepeatCount : 1); ++n)
          queue_.push_back({true, *pc, {}});
    } else if (r.EventType == MOUSE_EVENT) {
      const MOUSE_EVENT_RECORD& m = r.Event.MouseEvent;
      // A press: no movement, no wheel, some button down.
      const auto buttons = static_cast<std::uint16_t>(m.dwButtonState & 0x7);
      if (m.dwEventFlags != 0 && m.dwEventFlags != DOUBLE_CLICK) return;
      if (buttons == 0) return;
      MouseEvent e;
      e.buttons = buttons;
      e.col = m.dwMousePosition.X + 1;
      e.row = m.dwMousePosition.Y + 1;
      if (e.col <= kScreenCols && e.row <= kScreenRows) queue_.push_back({false, {}, e});
    }
  }

  // Reads the waiting input records, waiting up to timeout_ms for the first.
  void pull_input(DWORD timeout_ms) {
    if (closed_) return;
    const DWORD start = GetTickCount();
    for (;;) {
      const DWORD spent = GetTickCount() - start;
      const DWORD wait = timeout_ms == INFINITE ? INFINITE : spent >= timeout_ms ? 0 : timeout_ms - spent;
      const DWORD woke = WaitForSingleObject(in_, wait);
      if (woke == WAIT_FAILED) {
        close_down();
        throw ProgramExit{1};
      }
      if (woke == WAIT_OBJECT_0) {
        DWORD count = 0;
        INPUT_RECORD records[64];
        if (!ReadConsoleInputW(in_, records, 64, &count)) {
          close_down();
          throw ProgramExit{1};
        }
        for (DWORD i = 0; i < count; ++i) take(records[i]);
      }
      if (!queue_.empty() || woke == WAIT_TIMEOUT) return;
    }
  }

  void close_down() {
    if (closed_) return;
    closed_ = true;
    step_out();
    if (screen_ != INVALID_HANDLE_VALUE) CloseHandle(screen_);
    screen_ = INVALID_HANDLE_VALUE;
    if (have_input_mode_) SetConsoleMode(in_, input_mode_);
  }

  ScreenGrid grid_;
  std::deque<Input> queue_;
  HANDLE in_ = INVALID_HANDLE_VALUE;
  HANDLE out_ = INVALID_HANDLE_VALUE;
  HANDLE screen_ = INVALID_HANDLE_VALUE;
  DWORD input_mode_ = 0;
  bool have_input_mode_ = false;
  bool stepped_in_ = false;
  bool drawn_ = false;
  bool closed_ = false;
  int cursor_col_ = 1, cursor_row_ = 1;
  bool cursor_visible_ = true;
  bool insert_shape_ = false;
  DWORD last_show_ = 0;
};

}  // namespace

std::unique_ptr<Console> make_terminal_console() { return std::make_unique<Win32Console>(); }

}  // namespace vx::platform
