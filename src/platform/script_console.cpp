#include "platform/script_console.hpp"

#include <iostream>
#include <string>

#include "charset/utf8.hpp"
#include "platform/stop_request.hpp"

namespace vx::platform {

ScriptConsole::ScriptConsole(std::istream& script, std::ostream& out)
    : script_(script), out_(out) {}

void ScriptConsole::put(int col, int row, Cell cell) { grid_.put(col, row, cell); }

Cell ScriptConsole::get(int col, int row) const { return grid_.get(col, row); }

void ScriptConsole::set_cursor(int, int) {}
void ScriptConsole::show_cursor(bool, bool) {}

void ScriptConsole::dump_rows() {
  for (int row = 1; row <= kScreenRows; ++row) {
    std::string line;
    line.reserve(kScreenCols);
    for (int col = 1; col <= kScreenCols; ++col) {
      const auto ch = get(col, row).ch;
      line += ch == 0 ? ' ' : static_cast<char>(ch);
    }
    const auto end = line.find_last_not_of(' ');
    line.erase(end == std::string::npos ? 0 : end + 1);
    out_ << charset::cp852_to_utf8(line) << '\n';
  }
}

void ScriptConsole::pull() {
  stop_if_requested();
  out_ << "--- screen " << ++screens_ << " ---\n";
  dump_rows();
  while (line_rest_.empty()) {
    std::string line;
    const bool got = static_cast<bool>(std::getline(script_, line));
    stop_if_requested();  // a stop wakes the read
    if (!got) {
      out_ << "--- script exhausted ---\n";
      out_.flush();
      throw ScriptStop{3};
    }
    ++line_number_;
    auto inputs = parse_script_line(line);
    if (!inputs) {
      out_.flush();
      std::cerr << "vx17-18: key script line " << line_number_ << " not understood: " << line
                << '\n';
      throw ScriptStop{4};
    }
    line_rest_.insert(line_rest_.end(), inputs->begin(), inputs->end());
  }
  available_ = line_rest_.front();
  line_rest_.pop_front();
}

bool ScriptConsole::key_waiting() {
  return available_ && available_->kind == ScriptInput::kKey;
}

KeyEvent ScriptConsole::read_key() {
  for (;;) {
    if (!available_) pull();
    const ScriptInput in = *available_;
    available_.reset();
    if (in.kind == ScriptInput::kKey) return in.key;
    // A click where only a key will do is dropped, as a keyboard read would.
  }
}

std::optional<MouseEvent> ScriptConsole::take_mouse() {
  if (!available_ || available_->kind != ScriptInput::kMouse) return std::nullopt;
  const MouseEvent m = available_->mouse;
  available_.reset();
  return m;
}

void ScriptConsole::idle(int ms) {
  clock_ms_ += ms;
  if (!available_) pull();
}

void ScriptConsole::beep(int frequency_hz, int length_units) {
  out_ << "--- beep " << frequency_hz << ' ' << length_units << " ---\n";
}

void ScriptConsole::sleep_ms(int ms) {
  clock_ms_ += ms;
  stop_if_requested();
}

int ScriptConsole::seconds_of_day() {
  return static_cast<int>((clock_ms_ / 1000) % 86400);
}

void ScriptConsole::write_stdout(std::string_view cp852) {
  out_ << charset::cp852_text_to_utf8(cp852);
}

void ScriptConsole::finish(int exit_code) {
  out_ << "--- screen end ---\n";
  dump_rows();
  out_ << "--- exit " << exit_code << " ---\n";
  out_.flush();
}

}  // namespace vx::platform
