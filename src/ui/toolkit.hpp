#pragma once
// The toolkit's run-wide state: what the forms, the event source and the
// input fields share for the whole run.
#include <functional>
#include <string>
#include <vector>

#include "ui/colours.hpp"
#include "ui/event.hpp"

namespace vx::ui {

class DialogForm;
class StatusBar;
class Window;
struct Ui;

struct Toolkit {
  // The form whose modal loop runs; mouse positions are given relative to
  // its window.
  DialogForm* current_form = nullptr;
  // Top of the status bar stack; each bar remembers the one below it.
  StatusBar* status_bar = nullptr;
  // Open windows, innermost last.
  std::vector<Window*> windows;

  ColourScheme colours = kDefaultColours;
  ColourScheme default_colours = kDefaultColours;

  // One mode for every input field; starts as overwrite.
  bool insert_mode = false;
  // Ctrl+K copies a field here, Ctrl+W pastes it.
  std::string clipboard;
  // Set when an input field is left with a text other than it had.
  bool data_changed = false;
  // Alt+letter types a Polish letter.
  bool polish_input = true;
  // The next list box is framed.
  bool list_framed = true;

  // Called each time an event is about to be read.
  std::function<void(Ui&)> idle_hook;

  int clock_second = -1;
  UiEvent last_event;
};

// Loads the colour scheme from the program directory; the current slots are
// kept as the defaults, and stay when the file is missing or short.
void start_toolkit(Ui& ui);
// Rewrites the colour file with the current scheme.
bool save_colour_scheme(Ui& ui);

// A tone through the console, unless VXSOUND switched the sound off; the
// length is in units of 48 ms.
void beep(Ui& ui, int frequency_hz, int length_units = 1);

}  // namespace vx::ui
