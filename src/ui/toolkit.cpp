#include "ui/toolkit.hpp"

#include "ui/ui_context.hpp"

namespace vx::ui {

namespace {
std::string colour_file_path(const Ui& ui) { return ui.program_dir + std::string(kColourFileName); }
}  // namespace

void start_toolkit(Ui& ui) {
  ui.toolkit.default_colours = ui.toolkit.colours;
  const auto loaded = read_colour_file(colour_file_path(ui));
  ui.toolkit.colours = loaded ? *loaded : ui.toolkit.default_colours;
}

bool save_colour_scheme(Ui& ui) { return write_colour_file(colour_file_path(ui), ui.toolkit.colours); }

void beep(Ui& ui, int frequency_hz, int length_units) {
  if (!ui.sound_off) ui.console.beep(frequency_hz, length_units);
}

}  // namespace vx::ui
