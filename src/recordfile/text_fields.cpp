#include "recordfile/text_fields.hpp"

#include <algorithm>
#include <cstring>

namespace vx {

namespace {
// A field that runs past the end of a record is left alone.
bool inside(std::size_t size, TextField f) { return f.offset + f.capacity + 1 <= size; }

// Stores the source field's text into the target field, cut to the capacity,
// its letters mapped byte by byte: no string is built, as millions of
// records pass through here.
void map_field(ConstRecordView src, RecordView dst, TextField f, const charset::ByteMap& map) {
  if (!inside(src.size(), f) || !inside(dst.size(), f)) return;
  const std::size_t length = std::min<std::size_t>(src.u8(f.offset), f.capacity);
  const auto from = src.sub(f.offset + 1, length);
  const auto to = dst.sub(f.offset + 1, length);
  dst.set_u8(f.offset, static_cast<std::uint8_t>(length));
  if (from.data() != to.data() && length) std::memmove(to.data(), from.data(), length);
  map.apply(to);
}
}  // namespace

void convert_field(RecordView rec, TextField f, const charset::Charsets& cs) {
  convert_field_into(ConstRecordView(rec.bytes()), rec, f, cs);
}

void convert_field_into(ConstRecordView src, RecordView dst, TextField f, const charset::Charsets& cs) {
  map_field(src, dst, f, charset::conversion_map(cs));
}

void convert_texts(RecordView rec, std::span<const TextField> fields, const charset::Charsets& cs) {
  if (cs.no_char_conversion()) return;
  const auto& map = charset::conversion_map(cs);
  const ConstRecordView src(rec.bytes());
  for (const auto& f : fields) map_field(src, rec, f, map);
}

void convert_texts_into(ConstRecordView src, RecordView dst, std::span<const TextField> fields,
                        const charset::Charsets& cs) {
  if (cs.no_char_conversion()) {
    // The text as stored: its length byte and its characters, nothing after.
    for (const auto& f : fields) {
      if (!inside(src.size(), f) || !inside(dst.size(), f)) continue;
      dst.copy_from(src, f.offset, 1 + std::min<std::size_t>(src.u8(f.offset), f.capacity));
    }
    return;
  }
  const auto& map = charset::conversion_map(cs);
  for (const auto& f : fields) map_field(src, dst, f, map);
}

void cut_texts(RecordView rec, std::span<const TextField> fields) {
  for (const auto& f : fields)
    if (inside(rec.size(), f) && rec.u8(f.offset) > f.capacity)
      rec.set_u8(f.offset, static_cast<std::uint8_t>(f.capacity));
}

}  // namespace vx
