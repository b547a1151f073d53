#pragma once
// Runs on the headless console, for unit tests: keys from a string, screens
// collected as text. ScriptedUi gives the toolkit alone, ScriptedRun a whole
// session of the program's logic.
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "driver/session.hpp"
#include "platform/script_console.hpp"
#include "support/transcript_observer.hpp"
#include "ui/ui_context.hpp"

namespace vx::test {

class ScriptedScreen {
 public:
  explicit ScriptedScreen(const std::string& keys);

  platform::ScriptConsole& console() { return *console_; }
  // Everything the console printed so far (screens, beeps).
  std::string output() const { return out_.str(); }
  // The current screen rows, trailing blanks removed, UTF-8.
  std::vector<std::string> screen() const;
  std::string row(int r) const { return screen()[static_cast<std::size_t>(r - 1)]; }

 private:
  std::istringstream keys_;
  std::ostringstream out_;
  std::unique_ptr<platform::ScriptConsole> console_;
};

class ScriptedUi : public ScriptedScreen {
 public:
  explicit ScriptedUi(const std::string& keys = "") : ScriptedScreen(keys), ui_(console()) {}

  ui::Ui& ui() { return ui_; }

 private:
  ui::Ui ui_;
};

class ScriptedRun : public ScriptedScreen {
 public:
  explicit ScriptedRun(const std::string& keys = "");

  Session& run() { return *run_; }
  ui::Ui& ui() { return run_->ui; }
  // Every line the copies printed since the start, UTF-8.
  std::string transcript() const;
  // Every step of the copies as its event.
  const std::vector<dialogue::StepEvent>& steps() const { return transcript_.steps(); }

 private:
  std::unique_ptr<Session> run_;
  TranscriptObserver transcript_;
};

}  // namespace vx::test
