#include "platform/terminal_screen.hpp"

#include <langinfo.h>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "charset/unicode_table.hpp"
#include "platform/terminal_colours.hpp"
#include "platform/terminal_terminfo.hpp"

// Last: curses defines macros with common names.
#define NCURSES_WIDECHAR 1
#include <curses.h>

namespace vx::platform {

namespace {

constexpr char kMouseOn[] = "\x1B[?1000h\x1B[?1006h";   // clicks, reported as SGR
constexpr char kMouseOff[] = "\x1B[?1006l\x1B[?1000l";

SCREEN* as_screen(void* p) { return static_cast<SCREEN*>(p); }

// A terminfo string, or null when the terminal lacks it.
const char* capability(const char* name) {
  const char* s = tigetstr(name);
  return s == reinterpret_cast<const char*>(static_cast<std::intptr_t>(-1)) ? nullptr : s;
}

// The string as bytes to write: terminfo padding ("$<5>") is for tputs only.
std::string without_padding(const char* s) {
  std::string out(s);
  for (auto at = out.find("$<"); at != std::string::npos; at = out.find("$<", at)) {
    const auto end = out.find('>', at);
    if (end == std::string::npos) break;
    out.erase(at, end - at + 1);
  }
  return out;
}

bool utf8_codeset() {
  const char* codeset = nl_langinfo(CODESET);
  return std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0;
}

// Wide characters reach the terminal as UTF-8 only under a UTF-8 locale; a
// user without one set still has a UTF-8 terminal almost everywhere.
void use_utf8_locale() {
  if (std::setlocale(LC_CTYPE, "") && utf8_codeset()) return;
  for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"})
    if (std::setlocale(LC_CTYPE, name) && utf8_codeset()) return;
}

// Words of the text in lines no wider than width.
std::vector<std::wstring> wrap(const std::wstring& text, int width) {
  std::vector<std::wstring> lines;
  std::wstring line;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(L' ', at);
    if (end == std::wstring::npos) end = text.size();
    const std::wstring word = text.substr(at, end - at);
    if (!line.empty() && static_cast<int>(line.size() + 1 + word.size()) > width) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? L"" : L" ") + word;
    at = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

bool CursesScreen::start() {
  if (active()) return true;
  use_utf8_locale();
  const char* term = std::getenv("TERM");
  // Without cursor addressing the grid would reach the terminal as a blind
  // stream of text: refused before anything is written to it.
  if (!terminal_addresses_cursor()) {
    std::fprintf(stderr,
                 "vx17-18: the terminal \"%s\" cannot move the cursor (its terminfo entry has no "
                 "\"cup\"); run the program in a full-screen terminal such as xterm or the Linux "
                 "console\n",
                 term ? term : "");
    return false;
  }
  SCREEN* screen = newterm(nullptr, stdout, stdin);
  if (!screen) {
    std::fprintf(stderr, "vx17-18: the terminal \"%s\" cannot show the screen\n",
                 term ? term : "");
    return false;
  }
  screen_ = screen;
  // Keys come byte by byte and are decoded by our own parser.
  raw();
  noecho();
  nonl();
  intrflush(stdscr, FALSE);
  keypad(stdscr, FALSE);
  meta(stdscr, TRUE);
  typeahead(-1);
  set_escdelay(25);
  scrollok(stdscr, FALSE);
  // Ctrl+C stops the run even while no key is read; curses keeps these
  // modes as its own from here on.
  tty::keep_ctrl_c_as_signal();
  def_prog_mode();
  colour_count_ = 0;
  if (has_colors() && start_color() == OK)
    colour_count_ = COLORS >= 16 ? 16 : COLORS >= 8 ? 8 : 0;

  // Our own switches go out after curses has set the terminal up, which
  // would reset them. The keypad's grey + and - differ from the typewriter
  // keys only in application mode.
  modes_on_.clear();
  modes_off_.clear();
  if (capability("kmous") || (term && std::strstr(term, "xterm"))) {
    modes_on_ += kMouseOn;
    modes_off_ += kMouseOff;
  }
  if (const char* on = capability("smkx"))
    if (const char* off = capability("rmkx")) {
      modes_on_ += without_padding(on);
      modes_off_ += without_padding(off);
    }
  switched_on_ = false;
  std::string undo = modes_off_;
  for (const char* name : {"sgr0", "cnorm", "rmcup"})
    if (const char* s = capability(name)) undo += without_padding(s);
  tty::set_undo_sequence(undo);
  stale_ = true;
  cursor_shape_ = -1;
  pair_of_attr_.fill(0);
  pair_colours_.clear();
  return true;
}

void CursesScreen::stop() {
  if (!active()) return;
  step_out();
  delscreen(as_screen(screen_));
  screen_ = nullptr;
  stepped_out_ = false;
  tty::set_undo_sequence("");
}

bool CursesScreen::fits() const { return LINES >= kScreenRows && COLS >= kScreenCols; }

void CursesScreen::resize(tty::WindowSize size) {
  if (!active()) return;
  resize_term(size.rows, size.cols);
  stale_ = true;
}

void CursesScreen::step_out() {
  if (!active() || stepped_out_) return;
  if (switched_on_) tty::write_out(modes_off_);
  switched_on_ = false;
  endwin();
  stepped_out_ = true;
}

void CursesScreen::bell() { beep(); }

short CursesScreen::colour_pair(std::uint8_t attr) {
  if (pair_of_attr_[attr] != 0) return pair_of_attr_[attr];
  const auto look = terminal_colours(attr, colour_count_);
  const std::pair<int, int> wanted{look.foreground, look.background};
  for (std::size_t i = 0; i < pair_colours_.size(); ++i)
    if (pair_colours_[i] == wanted) return pair_of_attr_[attr] = static_cast<short>(i + 1);
  const int next = static_cast<int>(pair_colours_.size()) + 1;
  if (next >= COLOR_PAIRS) return 0;  // out of pairs: the terminal's default
  init_pair(static_cast<short>(next), static_cast<short>(look.foreground),
            static_cast<short>(look.background));
  pair_colours_.push_back(wanted);
  return pair_of_attr_[attr] = static_cast<short>(next);
}

void CursesScreen::draw_cell(int index, Cell cell) {
  const wchar_t text[2] = {static_cast<wchar_t>(charset::kCp852ToUnicode[cell.ch]), L'\0'};
  const auto look = terminal_colours(cell.attr, colour_count_);
  attr_t attrs = A_NORMAL;
  if (look.bold) attrs |= A_BOLD;
  if (look.reverse) attrs |= A_REVERSE;
  cchar_t c;
  setcchar(&c, text, attrs, colour_count_ ? colour_pair(cell.attr) : 0, nullptr);
  // Does not move the cursor, so the bottom-right cell is drawn as well.
  mvwadd_wchnstr(stdscr, index / kScreenCols, index % kScreenCols, &c, 1);
}

void CursesScreen::show_too_small() {
  werase(stdscr);
  wchar_t size_line[80];
  std::swprintf(size_line, std::size(size_line), L"Okno terminala jest za małe (%d x %d).", COLS,
                LINES);
  const std::wstring paragraphs[] = {
      size_line,
      L"Program potrzebuje co najmniej 80 kolumn i 25 wierszy.",
      L"Powiększ okno, aby pracować dalej.",
  };
  int row = 0;
  for (const auto& text : paragraphs) {
    for (const auto& line : wrap(text, COLS)) {
      if (row >= LINES) break;
      mvwaddnwstr(stdscr, row++, 0, line.c_str(), COLS);
    }
  }
  if (cursor_shape_ != 0) curs_set(0);
  cursor_shape_ = 0;
}

void CursesScreen::place_cursor(const CursorState& cursor) {
  const bool on_grid = cursor.col >= 1 && cursor.col <= kScreenCols && cursor.row >= 1 &&
                       cursor.row <= kScreenRows;
  const int shape = cursor.visible && on_grid ? (cursor.insert_shape ? 2 : 1) : 0;
  if (shape != cursor_shape_) {
    curs_set(shape);
    cursor_shape_ = shape;
  }
  if (on_grid) wmove(stdscr, cursor.row - 1, cursor.col - 1);
}

void CursesScreen::show(const ScreenCells& cells, const CursorState& cursor) {
  if (!active()) return;
  if (stepped_out_) {
    clearok(curscr, TRUE);
    stepped_out_ = false;
  }
  if (!fits()) {
    show_too_small();
    stale_ = true;
  } else {
    if (stale_) werase(stdscr);
    for (int i = 0; i < kScreenCols * kScreenRows; ++i) {
      const auto at = static_cast<std::size_t>(i);
      if (stale_ || cells[at] != shown_[at]) draw_cell(i, cells[at]);
    }
    shown_ = cells;
    stale_ = false;
    place_cursor(cursor);
  }
  wnoutrefresh(stdscr);
  doupdate();
  if (!switched_on_) {
    tty::write_out(modes_on_);
    switched_on_ = true;
  }
}

}  // namespace vx::platform
