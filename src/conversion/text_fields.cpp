#include "conversion/text_fields.hpp"

#include <algorithm>
#include <cstring>

namespace vx::conversion {

namespace {
// Stores the source field's text into the target field, cut to the capacity,
// its letters mapped byte by byte: no string is built, as millions of
// records pass through here.
void map_field(ConstRecordView src, RecordView dst, TextField f, const charset::ByteMap& map) {
  const std::size_t length = std::min<std::size_t>(src.u8(f.offset), f.capacity);
  const auto from = src.sub(f.offset + 1, length);
  const auto to = dst.sub(f.offset + 1, length);
  dst.set_u8(f.offset, static_cast<std::uint8_t>(length));
  if (from.data() != to.data() && length) std::memmove(to.data(), from.data(), length);
  map.apply(to);
}
}  // namespace

void convert_field(RecordView rec, TextField f, const charset::Charsets& cs) {
  map_field(ConstRecordView(rec.bytes()), rec, f, charset::conversion_map(cs));
}

void convert_field_into(ConstRecordView src, RecordView dst, TextField f,
                        const charset::Charsets& cs) {
  map_field(src, dst, f, charset::conversion_map(cs));
}

void convert_texts(RecordView rec, std::span<const TextField> fields, const charset::Charsets& cs) {
  if (cs.no_char_conversion()) return;
  const auto& map = charset::conversion_map(cs);
  for (const auto& f : fields) map_field(ConstRecordView(rec.bytes()), rec, f, map);
}

void convert_texts_into(ConstRecordView src, RecordView dst, std::span<const TextField> fields,
                        const charset::Charsets& cs) {
  if (cs.no_char_conversion()) {
    for (const auto& f : fields) dst.copy_from(src, f.offset, f.capacity + 1);
    return;
  }
  const auto& map = charset::conversion_map(cs);
  for (const auto& f : fields) map_field(src, dst, f, map);
}

}  // namespace vx::conversion
