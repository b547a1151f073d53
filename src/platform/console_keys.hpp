#pragma once
// A key as the Windows console reports it (scan code, Unicode character,
// modifier state) turned into the PC key code of the keyboard BIOS.
#include <cstdint>
#include <optional>

#include "platform/console.hpp"

namespace vx::platform {

// Modifier bits of the console's key records.
inline constexpr std::uint32_t kRightAlt = 0x0001;
inline constexpr std::uint32_t kLeftAlt = 0x0002;
inline constexpr std::uint32_t kRightCtrl = 0x0004;
inline constexpr std::uint32_t kLeftCtrl = 0x0008;
inline constexpr std::uint32_t kShiftHeld = 0x0010;

struct ConsoleKey {
  std::uint8_t scan = 0;       // the key's scan code
  char32_t ch = 0;             // the character it typed, 0 for none
  std::uint32_t modifiers = 0;
};

// The PC key, or nothing for keys the program never sees (Shift, Ctrl, Alt
// and the locks alone, characters CP852 lacks).
std::optional<KeyEvent> pc_key(const ConsoleKey& key);

}  // namespace vx::platform
