#pragma once
// PC keyboard codes: scan code in the high byte, character in the low byte.
#include <cstdint>

namespace vx::platform::keys {

inline constexpr std::uint16_t kEsc = 0x011B;
inline constexpr std::uint16_t kEnter = 0x1C0D;
inline constexpr std::uint16_t kCtrlEnter = 0x1C0A;
inline constexpr std::uint16_t kTab = 0x0F09;
inline constexpr std::uint16_t kShiftTab = 0x0F00;
inline constexpr std::uint16_t kBackspace = 0x0E08;
inline constexpr std::uint16_t kSpace = 0x3920;
inline constexpr std::uint16_t kUp = 0x4800;
inline constexpr std::uint16_t kDown = 0x5000;
inline constexpr std::uint16_t kLeft = 0x4B00;
inline constexpr std::uint16_t kRight = 0x4D00;
inline constexpr std::uint16_t kCtrlLeft = 0x7300;
inline constexpr std::uint16_t kCtrlRight = 0x7400;
inline constexpr std::uint16_t kHome = 0x4700;
inline constexpr std::uint16_t kEnd = 0x4F00;
inline constexpr std::uint16_t kPgUp = 0x4900;
inline constexpr std::uint16_t kPgDn = 0x5100;
inline constexpr std::uint16_t kIns = 0x5200;
inline constexpr std::uint16_t kDel = 0x5300;
inline constexpr std::uint16_t kF1 = 0x3B00;
inline constexpr std::uint16_t kF5 = 0x3F00;
inline constexpr std::uint16_t kF11 = 0x8500;
inline constexpr std::uint16_t kF12 = 0x8600;
inline constexpr std::uint16_t kGreyPlus = 0x4E2B;
inline constexpr std::uint16_t kGreyMinus = 0x4A2D;
inline constexpr std::uint16_t kCtrlI = 0x1709;
inline constexpr std::uint16_t kCtrlQ = 0x1011;

// F1..F10 are consecutive scan codes from 0x3B.
constexpr std::uint16_t function_key(int n) {
  return n <= 10 ? static_cast<std::uint16_t>((0x3A + n) << 8)
                 : static_cast<std::uint16_t>((0x85 + n - 11) << 8);
}

// Scan code of a letter key on the US layout.
constexpr std::uint8_t letter_scan(char upper) {
  constexpr std::uint8_t scans[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                      0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                      0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
  return scans[upper - 'A'];
}

constexpr std::uint16_t ctrl_letter(char upper) {
  return static_cast<std::uint16_t>((letter_scan(upper) << 8) | (upper - 'A' + 1));
}
constexpr std::uint16_t alt_letter(char upper) {
  return static_cast<std::uint16_t>(letter_scan(upper) << 8);
}

// The key code of a typed character (CP852); non-ASCII characters carry
// scan code 0.
std::uint16_t char_key(std::uint8_t ch);

}  // namespace vx::platform::keys
