#include "ui/toolkit.hpp"

#include "driver/session.hpp"

namespace vx::ui {

namespace {
std::string colour_file_path(const Session& run) {
  return run.env.program_dir + std::string(kColourFileName);
}
}  // namespace

void start_toolkit(Session& run) {
  run.ui.default_colours = run.ui.colours;
  const auto loaded = read_colour_file(colour_file_path(run));
  run.ui.colours = loaded ? *loaded : run.ui.default_colours;
}

bool save_colour_scheme(Session& run) { return write_colour_file(colour_file_path(run), run.ui.colours); }

void beep(Session& run, int frequency_hz, int length_units) {
  if (!run.env.sound_off) run.console.beep(frequency_hz, length_units);
}

}  // namespace vx::ui
