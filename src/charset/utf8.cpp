#include "charset/utf8.hpp"

#include "charset/unicode_table.hpp"

namespace vx::charset {

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string cp852_to_utf8(std::string_view cp852) {
  std::string out;
  out.reserve(cp852.size() * 2);
  for (unsigned char b : cp852) {
    if (b < 0x80 && b >= 0x20 && b != 0x7F)
      out += static_cast<char>(b);
    else
      append_utf8(out, kCp852ToUnicode[b]);
  }
  return out;
}

std::string cp852_text_to_utf8(std::string_view cp852) {
  std::string out;
  out.reserve(cp852.size() * 2);
  for (unsigned char b : cp852) {
    if (b < 0x80)
      out += static_cast<char>(b);
    else
      append_utf8(out, kCp852ToUnicode[b]);
  }
  return out;
}

char32_t next_code_point(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  const std::size_t extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : 0;
  if (extra == 0 || i + extra >= s.size()) {
    ++i;
    return b0;
  }
  char32_t c = b0 & (0x3F >> extra);
  for (std::size_t k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return b0;
    }
    c = (c << 6) | (b & 0x3F);
  }
  i += extra + 1;
  return c;
}

std::string utf8_to_cp852(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const char32_t c = next_code_point(utf8, i);
    const int b = unicode_to_cp852(c);
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

bool is_valid_utf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
      ++i;
      continue;
    }
    // Lead bytes C0, C1 and F5 to FF only ever start overlong or too large forms.
    const std::size_t extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : 1;
    if (b0 < 0xC2 || b0 > 0xF4 || i + extra >= s.size()) return false;
    char32_t c = b0 & (0x3F >> extra);
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto b = static_cast<unsigned char>(s[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      c = (c << 6) | (b & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

}  // namespace vx::charset
