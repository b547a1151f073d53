#pragma once
// Conversion of Polish letters between standards, Polish case mapping and
// the Polish collation of the system.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "charset/polish_table.hpp"

namespace vx::charset {

// The run's conversion state: the operator's choice and the standards of the
// data being carried (1 Mazovia, 2 CP852).
struct Charsets {
  std::uint16_t charset_mode = 0;   // 0 keep the standard, 1 Mazovia to CP852
  std::uint8_t source_charset = kCp852;
  std::uint8_t target_charset = kCp852;

  bool no_char_conversion() const {
    return source_charset == target_charset || charset_mode == 0;
  }
};

// A 256-entry byte map from one row of the letter table to another.
class ByteMap {
 public:
  ByteMap();  // identity
  ByteMap(std::uint8_t from, std::uint8_t to);
  std::uint8_t operator[](std::uint8_t b) const { return map_[b]; }
  void apply(std::span<std::uint8_t> bytes) const;
  void apply(std::string& text) const;

 private:
  std::uint8_t map_[256];
};

// Conversion from source to target standard; identity when nothing is to be
// converted. Cheap to call: one table lookup per byte.
const ByteMap& conversion_map(const Charsets& cs);

std::string convert_text(const Charsets& cs, std::string_view text);
void convert_buffer(const Charsets& cs, std::span<std::uint8_t> bytes);

std::uint8_t upper_char(std::uint8_t c);
std::uint8_t lower_char(std::uint8_t c);
std::string upper_text(std::string_view text);
std::string lower_text(std::string_view text);

// +1 when a sorts before b, 0 when equal, -1 when a sorts after b.
int compare_texts(std::string_view a, std::string_view b);

}  // namespace vx::charset
