#include "conversion/text_fields.hpp"

namespace vx::conversion {

void convert_field(RecordView rec, TextField f, const charset::Charsets& cs) {
  convert_field_into(ConstRecordView(rec.bytes()), rec, f, cs);
}

void convert_field_into(ConstRecordView src, RecordView dst, TextField f,
                        const charset::Charsets& cs) {
  dst.set_text(f.offset, f.capacity, charset::convert_text(cs, src.text(f.offset, f.capacity)));
}

void convert_texts(RecordView rec, std::span<const TextField> fields, const charset::Charsets& cs) {
  if (cs.no_char_conversion()) return;
  for (const auto& f : fields) convert_field(rec, f, cs);
}

void convert_texts_into(ConstRecordView src, RecordView dst, std::span<const TextField> fields,
                        const charset::Charsets& cs) {
  for (const auto& f : fields) {
    if (cs.no_char_conversion())
      dst.copy_from(src, f.offset, f.capacity + 1);
    else
      convert_field_into(src, dst, f, cs);
  }
}

}  // namespace vx::conversion
