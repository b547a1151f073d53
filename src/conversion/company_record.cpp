#include "conversion/company_record.hpp"

namespace vx::conversion {

void convert_company_record(RecordView rec, const charset::Charsets& cs) {
  if (cs.no_char_conversion()) return;
  convert_texts(rec, kCompanyRecordTexts, cs);
  // The codes are only cut to their capacity.
  for (const auto& f : kCompanyRecordCodes)
    if (rec.u8(f.offset) > f.capacity) rec.set_u8(f.offset, static_cast<std::uint8_t>(f.capacity));
}

}  // namespace vx::conversion
