#include "driver/operator_record.hpp"

#include "recordfile/text_fields.hpp"

namespace vx::driver {

namespace {
constexpr TextField kTexts[] = {{24, 30}, {55, 16}, {93, 37}};
// Seven 16-bit rights words, group g at 133 + 2g.
constexpr std::size_t rights(int group) { return 133 + 2 * static_cast<std::size_t>(group); }
}  // namespace

void scramble_operator_record(std::span<std::uint8_t> record) {
  std::uint32_t x = kOperatorSeed;
  for (auto& b : record) {
    x = x * 134775813u + 1u;
    const auto value = static_cast<std::uint8_t>((static_cast<std::uint64_t>(x) * 255u) >> 32);
    b ^= value;
  }
}

bool convert_operator_record(const charset::Charsets& cs, RecordView record) {
  scramble_operator_record(record.bytes());
  convert_texts(record, kTexts, cs);
  std::uint16_t group3 = record.u16(rights(3));
  if ((group3 & 0x04) && !(group3 & 0x10)) group3 |= 0x10;
  if ((record.u16(rights(5)) & 0x02) && !(group3 & 0x08)) group3 |= 0x08;
  record.set_u16(rights(3), group3);
  scramble_operator_record(record.bytes());
  return true;
}

}  // namespace vx::driver
