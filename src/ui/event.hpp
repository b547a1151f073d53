#pragma once
// The event record every screen of the program reads: a key, a mouse click
// or a command, as the event source and the controls hand it on.
#include <cstdint>

namespace vx::ui {

enum EventKind : std::uint8_t {
  kEventNone = 0,
  kEventKey = 1,
  kEventMouse = 2,
  kEventCommand = 3,
};

// Who turned an event into a command.
enum CommandOrigin : std::uint8_t {
  kFromStatusBar = 3,
  kFromForm = 4,  // a button or a key of the form
};

inline constexpr std::uint16_t kLeftButton = 1;
inline constexpr std::uint16_t kRightButton = 2;
inline constexpr std::uint16_t kMiddleButton = 4;

struct UiEvent {
  std::uint8_t kind = kEventNone;
  // Key: 1 for an extended key without a character.
  std::uint8_t extended = 0;
  // Key: the character (a blank for extended keys) and the PC key code.
  std::uint8_t ch = 0;
  std::uint16_t key = 0;
  std::uint8_t shift = 0;
  // Mouse: buttons down, screen position and position inside the current
  // form's window, all counted from 1.
  std::uint16_t buttons = 0;
  int col = 0, row = 0;
  int win_col = 0, win_row = 0;
  // Command: its code, who posted it, and the item for CMD_FOCUS_ITEM.
  std::uint16_t command = 0;
  std::uint8_t origin = 0;
  std::uint8_t item = 0;

  bool is_key(std::uint16_t code) const { return kind == kEventKey && key == code; }
  bool is_char(std::uint8_t c) const { return kind == kEventKey && extended == 0 && ch == c; }
  bool is_command(std::uint16_t code) const { return kind == kEventCommand && command == code; }
};

inline UiEvent command_event(std::uint16_t command, std::uint8_t origin, std::uint8_t item = 0) {
  UiEvent ev;
  ev.kind = kEventCommand;
  ev.command = command;
  ev.origin = origin;
  ev.item = item;
  return ev;
}

}  // namespace vx::ui
