#include "platform/console_keys.hpp"

#include <string>

#include "charset/utf8.hpp"
#include "platform/key_codes.hpp"

namespace vx::platform {

namespace {

constexpr std::uint8_t kScanF1 = 0x3B, kScanF10 = 0x44, kScanF11 = 0x57, kScanF12 = 0x58;

// Scan codes of the modifier and lock keys themselves.
bool modifier_only(std::uint8_t scan) {
  return scan == 0x1D || scan == 0x2A || scan == 0x36 || scan == 0x38 || scan == 0x3A ||
         scan == 0x45 || scan == 0x46 || scan == 0x5B || scan == 0x5C || scan == 0x5D;
}

// The BIOS codes of F1..F12 with Shift, Ctrl or Alt.
std::uint8_t function_scan(std::uint8_t scan, bool shift, bool ctrl, bool alt) {
  if (scan >= kScanF1 && scan <= kScanF10) {
    const int base = alt ? 0x68 : ctrl ? 0x5E : shift ? 0x54 : kScanF1;
    return static_cast<std::uint8_t>(base + scan - kScanF1);
  }
  const int base = alt ? 0x8B : ctrl ? 0x89 : shift ? 0x87 : 0x85;
  return static_cast<std::uint8_t>(base + scan - kScanF11);
}

// Ctrl with the cursor keys has codes of its own.
std::uint8_t ctrl_cursor_scan(std::uint8_t scan) {
  switch (scan) {
    case 0x4B: return 0x73;  // Left
    case 0x4D: return 0x74;  // Right
    case 0x47: return 0x77;  // Home
    case 0x4F: return 0x75;  // End
    case 0x49: return 0x84;  // PgUp
    case 0x51: return 0x76;  // PgDn
    default: return scan;
  }
}

std::optional<std::uint8_t> cp852_of(char32_t ch) {
  std::string utf8;
  charset::append_utf8(utf8, ch);
  const std::string cp = charset::utf8_to_cp852(utf8);
  if (cp.size() != 1 || (cp[0] == '?' && ch != U'?')) return std::nullopt;
  return static_cast<std::uint8_t>(cp[0]);
}

KeyEvent with_code(std::uint16_t code, bool shift) {
  KeyEvent k;
  k.code = code;
  k.shift = shift ? kShiftState : 0;
  return k;
}

}  // namespace

std::optional<KeyEvent> pc_key(const ConsoleKey& key) {
  const bool shift = (key.modifiers & kShiftHeld) != 0;
  const bool ctrl = (key.modifiers & (kLeftCtrl | kRightCtrl)) != 0;
  const bool alt = (key.modifiers & (kLeftAlt | kRightAlt)) != 0;
  if (modifier_only(key.scan)) return std::nullopt;
  if ((key.scan >= kScanF1 && key.scan <= kScanF10) || key.scan == kScanF11 || key.scan == kScanF12)
    return with_code(static_cast<std::uint16_t>(function_scan(key.scan, shift, ctrl, alt) << 8), shift);
  // Ctrl and Alt together are AltGr: the Polish letters of the layout.
  const bool alt_gr = ctrl && alt;
  if (key.ch != 0 && (alt_gr || !alt)) {
    if (key.ch == U'\t' && shift) return with_code(keys::kShiftTab, shift);
    const auto byte = cp852_of(key.ch);
    if (!byte) return std::nullopt;
    if (*byte < 0x80 && key.scan != 0)
      return with_code(static_cast<std::uint16_t>((key.scan << 8) | *byte), shift);
    return with_code(keys::char_key(*byte), shift);
  }
  if (alt) {
    // Alt with a letter gives the scan code alone.
    return with_code(static_cast<std::uint16_t>(key.scan << 8), shift);
  }
  const std::uint8_t scan = ctrl ? ctrl_cursor_scan(key.scan) : key.scan;
  return with_code(static_cast<std::uint16_t>(scan << 8), shift);
}

}  // namespace vx::platform
