#pragma once
// The one place input is read: keys, mouse clicks, the status bar's
// commands, and the clock while nothing happens.
#include "platform/console.hpp"
#include "ui/event.hpp"

namespace vx::ui {

struct Ui;

// Waits for the next event; the clock is kept up to date while waiting.
UiEvent read_event(Ui& ui);

// The event of a key as read from the console: Ctrl+I and Ctrl+Q
// translated, Alt+letter turned into a Polish letter when Polish input is on.
UiEvent key_event(platform::KeyEvent key, bool polish_input);

// The Polish letter of an Alt+letter key, 0 for any other key.
std::uint8_t polish_letter(std::uint16_t key, std::uint8_t shift);

// Writes "HH:MM:SS" at column 73 of row 1 when the second has changed.
void update_clock(Ui& ui);

inline constexpr int kClockCol = 73;
inline constexpr std::uint8_t kClockColour = 0x0F;
// The pause of one idle pass, in milliseconds.
inline constexpr int kIdlePause = 64;

}  // namespace vx::ui
