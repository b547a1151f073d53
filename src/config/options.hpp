#pragma once
// The operator's options, edited on the wizard pages and read by the copies.
// The character standard choice lives with the run's Charsets.
#include <cstdint>
#include <string>

namespace vx {

struct Options {
  std::uint8_t warn_open_december = 1;
  std::uint8_t show_slowly = 0;
  std::uint8_t hide_converted = 0;
  std::uint16_t global_items = 0x06D7;
  std::uint16_t company_items = 0xFFFF;
  std::uint16_t person_scope = 0;   // 0 all, 1 employed on 31.12.2017, 2 ask
  std::uint16_t pit_scope = 0;      // 0 all, 1 ask
  std::uint16_t entered_2018_items = 0xFFFF;
  std::uint16_t addon_items = 0xFFFD;
  std::uint16_t copy_scope = 0xFFFF;
  std::string source_version = "#BIN970";
  std::uint8_t stop_per_company = 0;
};

// Bit i of a set word belongs to the i-th check box of its group.
constexpr bool has_bit(std::uint16_t set, int bit) {
  const auto mask = static_cast<std::uint16_t>(1u << bit);
  return (set & mask) == mask;
}

// Bits of copy_scope.
inline constexpr int kCopyGlobal = 0;
inline constexpr int kCopyCompanies = 1;

}  // namespace vx
