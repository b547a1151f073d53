// Same-length records: only their text fields change.
#include "conversion/record_converters.hpp"
#include "recordfile/text_fields.hpp"

namespace vx::conversion {

bool convert_in_place(const layout::InPlaceLayout& layout, const charset::Charsets& cs, RecordView rec) {
  convert_texts(rec, layout.texts, cs);
  return true;
}

}  // namespace vx::conversion
