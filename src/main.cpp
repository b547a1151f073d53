// vx17-18: carries a tax-book installation's data from 2017 into 2018.
#include <cstdio>

#include "charset/utf8.hpp"
#include "config/environment.hpp"
#include "driver/program_flow.hpp"
#include "driver/session.hpp"
#include "driver/unattended_run.hpp"
#include "platform/console.hpp"
#include "platform/process.hpp"
#include "platform/quiet_console.hpp"
#include "platform/stop_request.hpp"
#include "ui/toolkit.hpp"

int main(int argc, char** argv) {
  using namespace vx;
  platform::use_binary_standard_streams();
  platform::install_stop_handlers();
  const auto process = platform::process_info(argc, argv);
  // An unattended run has nobody at the screen or the keyboard.
  const bool unattended = driver::unattended_request(process.arguments).has_value();
  std::unique_ptr<platform::Console> console =
      unattended ? std::make_unique<platform::QuietConsole>() : platform::make_console();
  Session run(*console, unattended);
  run.env = config::settle_environment(process, platform::environment_value);
  // The toolkit sees of the environment only the sound switch and its own folder.
  run.ui.sound_off = run.env.sound_off;
  run.ui.program_dir = run.env.program_dir;
  ui::start_toolkit(run.ui);
  int code = 0;
  try {
    driver::run_program(run, process.arguments);
  } catch (const platform::ProgramExit& e) {
    code = e.code;
  } catch (const platform::ScriptStop& s) {
    return s.code;
  } catch (const platform::RunStopped&) {
    // What was carried before stays; the company being built was discarded.
    code = platform::kStoppedExitCode;
    console->finish(code);
    std::fputs(charset::cp852_to_utf8(driver::kRunStoppedLine).c_str(), stderr);
    std::fputs("\n", stderr);
    return code;
  }
  console->finish(code);
  return code;
}
