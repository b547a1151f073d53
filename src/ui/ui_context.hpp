#pragma once
// What the toolkit sees of a run: the console, its own state, the sound
// switch and the folder of the colour file. The rest of the run stays with
// the driver.
#include <string>

#include "platform/console.hpp"
#include "ui/toolkit.hpp"

namespace vx::ui {

struct Ui {
  explicit Ui(platform::Console& c) : console(c) {}
  Ui(const Ui&) = delete;
  Ui& operator=(const Ui&) = delete;

  platform::Console& console;
  Toolkit toolkit;
  // VXSOUND switched the beeps off.
  bool sound_off = false;
  // The program's folder, ending in a separator; the colour file is there.
  std::string program_dir;
};

}  // namespace vx::ui
