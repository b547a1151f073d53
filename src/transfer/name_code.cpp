#include "transfer/name_code.hpp"

#include <algorithm>

namespace vx::transfer {

void convert_name_code(ConstRecordView from, RecordView to, std::size_t at,
                       const charset::Charsets& cs) {
  if (from.bytes().data() != to.bytes().data()) to.copy_from(from, at, kNameCodeSize);
  convert_name_code(to, at, cs);
}

void convert_name_code(RecordView record, std::size_t at, const charset::Charsets& cs) {
  if (cs.no_char_conversion()) return;
  const std::size_t name = at + kOfficeName.offset;
  const auto length = std::min<std::size_t>(record.u8(name), kOfficeName.capacity);
  record.set_u8(name, static_cast<std::uint8_t>(length));
  charset::convert_buffer(cs, record.sub(name + 1, length));
}

}  // namespace vx::transfer
