#include "driver/run_error.hpp"

#include <string>

#include "platform/process.hpp"
#include "ui/commands.hpp"
#include "ui/message_box.hpp"

namespace vx::driver {

void error_line(std::string_view text) {
  platform::write_standard(platform::StandardStream::kError, std::string(text) + "\n");
}

void report_run_error(Session& run, std::string_view text) {
  if (!run.unattended_run) {
    ui::error_report(run.ui, text);
    return;
  }
  std::string line;
  for (const char c : text) {
    if (c == ui::kCentre) continue;
    if (c == ui::kLineBreak) {
      if (!line.empty() && line.back() != ' ') line += ' ';
      continue;
    }
    line += c;
  }
  error_line("vx17-18: " + line);
}

}  // namespace vx::driver
