#include "support/scripted_run.hpp"

#include "charset/utf8.hpp"

namespace vx::test {

ScriptedScreen::ScriptedScreen(const std::string& keys)
    : keys_(keys), console_(std::make_unique<platform::ScriptConsole>(keys_, out_)) {}

std::vector<std::string> ScriptedScreen::screen() const {
  std::vector<std::string> rows;
  for (int r = 1; r <= platform::kScreenRows; ++r) {
    std::string line;
    for (int c = 1; c <= platform::kScreenCols; ++c) {
      const auto ch = console_->get(c, r).ch;
      line += ch == 0 ? ' ' : static_cast<char>(ch);
    }
    const auto end = line.find_last_not_of(' ');
    line.erase(end == std::string::npos ? 0 : end + 1);
    rows.push_back(charset::cp852_to_utf8(line));
  }
  return rows;
}

ScriptedRun::ScriptedRun(const std::string& keys)
    : ScriptedScreen(keys), run_(std::make_unique<Session>(console())) {
  run_->out.set_window(ui::kFullScreen);
  run_->talk.watch(transcript_);
}

std::string ScriptedRun::transcript() const { return charset::cp852_text_to_utf8(transcript_.text()); }

}  // namespace vx::test
