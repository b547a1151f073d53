#include "platform/key_codes.hpp"

#include <string_view>

namespace vx::platform::keys {

std::uint16_t char_key(std::uint8_t ch) {
  std::uint8_t scan = 0;
  if (ch >= 'a' && ch <= 'z') {
    scan = letter_scan(static_cast<char>(ch - 32));
  } else if (ch >= 'A' && ch <= 'Z') {
    scan = letter_scan(static_cast<char>(ch));
  } else if (ch == ' ') {
    scan = 0x39;
  } else if (ch >= 0x20 && ch < 0x7F) {
    // Digits and punctuation, unshifted and shifted forms on one key.
    constexpr std::string_view plain = "1234567890-=[];'`\\,./";
    constexpr std::string_view shifted = "!@#$%^&*()_+{}:\"~|<>?";
    constexpr std::uint8_t scans[] = {0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,
                                      0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x1A, 0x1B,
                                      0x27, 0x28, 0x29, 0x2B, 0x33, 0x34, 0x35};
    auto p = plain.find(static_cast<char>(ch));
    if (p == std::string_view::npos) p = shifted.find(static_cast<char>(ch));
    if (p != std::string_view::npos) scan = scans[p];
  }
  return static_cast<std::uint16_t>((scan << 8) | ch);
}

}  // namespace vx::platform::keys
