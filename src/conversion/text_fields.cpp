#include "conversion/text_fields.hpp"

namespace vx::conversion {

namespace {
// A field that runs past the end of a record (the short last record of a
// file) is left alone.
bool inside(std::size_t size, TextField f) { return f.offset + f.capacity + 1 <= size; }
}  // namespace

void convert_field(RecordView rec, TextField f, const charset::Charsets& cs) {
  convert_field_into(ConstRecordView(rec.bytes()), rec, f, cs);
}

void convert_field_into(ConstRecordView src, RecordView dst, TextField f,
                        const charset::Charsets& cs) {
  if (!inside(src.size(), f) || !inside(dst.size(), f)) return;
  dst.set_text(f.offset, f.capacity, charset::convert_text(cs, src.text(f.offset, f.capacity)));
}

void convert_texts(RecordView rec, std::span<const TextField> fields, const charset::Charsets& cs) {
  if (cs.no_char_conversion()) return;
  for (const auto& f : fields) convert_field(rec, f, cs);
}

void convert_texts_into(ConstRecordView src, RecordView dst, std::span<const TextField> fields,
                        const charset::Charsets& cs) {
  const bool keep = cs.no_char_conversion();
  for (const auto& f : fields) {
    if (keep) {
      if (inside(src.size(), f) && inside(dst.size(), f)) dst.copy_from(src, f.offset, f.capacity + 1);
    } else {
      convert_field_into(src, dst, f, cs);
    }
  }
}

}  // namespace vx::conversion
