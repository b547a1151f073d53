#include "recordfile/date_text.hpp"

namespace vx {

namespace {

void append_digits(std::string& out, unsigned value, int width) {
  std::string digits(static_cast<std::size_t>(width), '0');
  for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10)
    digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
  out += digits;
}

// Digits of text[at, at + width), blanks counting as 0 (the written form
// pads with "0" where older files may hold blanks); -1 for anything else.
int number_at(std::string_view text, std::size_t at, std::size_t width) {
  int value = 0;
  for (std::size_t i = at; i < at + width; ++i) {
    const char c = text[i];
    if (c == ' ') {
      value *= 10;
    } else if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
    } else {
      return -1;
    }
  }
  return value;
}

}  // namespace

std::string date_text(PackedDate d) {
  if (!d.valid()) return "-";
  std::string out;
  append_digits(out, d.day, 2);
  out += '-';
  append_digits(out, d.month, 2);
  out += '-';
  append_digits(out, d.year, 4);
  return out;
}

PackedDate parse_date_text(std::string_view text) {
  if (text.size() != 10 || text[2] != '-' || text[5] != '-') return {};
  const int day = number_at(text, 0, 2);
  const int month = number_at(text, 3, 2);
  const int year = number_at(text, 6, 4);
  const PackedDate d{static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month),
                     static_cast<std::uint16_t>(year)};
  if (day < 0 || month < 0 || year < 0 || !d.valid()) return {};
  return d;
}

}  // namespace vx
