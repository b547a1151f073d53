#pragma once
// A run of the program's logic on the headless console, for unit tests:
// keys from a string, screens collected as text.
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "driver/session.hpp"
#include "platform/script_console.hpp"

namespace vx::test {

class ScriptedRun {
 public:
  explicit ScriptedRun(const std::string& keys = "");

  Session& run() { return *run_; }
  platform::ScriptConsole& console() { return *console_; }
  // Everything the console printed so far (screens, beeps).
  std::string output() const { return out_.str(); }
  // The current screen rows, trailing blanks removed, UTF-8.
  std::vector<std::string> screen() const;
  std::string row(int r) const { return screen()[static_cast<std::size_t>(r - 1)]; }
  // Every line written through the text output since the start, UTF-8.
  std::string transcript() const;

 private:
  std::istringstream keys_;
  std::ostringstream out_;
  std::unique_ptr<platform::ScriptConsole> console_;
  std::unique_ptr<Session> run_;
  std::string transcript_;
};

}  // namespace vx::test
