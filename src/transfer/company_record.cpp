#include "transfer/company_record.hpp"

namespace vx::transfer {

void convert_company_record(RecordView rec, const charset::Charsets& cs) {
  if (cs.no_char_conversion()) return;
  convert_texts(rec, kCompanyRecordTexts, cs);
  // The codes are only cut to their capacity.
  cut_texts(rec, kCompanyRecordCodes);
}

}  // namespace vx::transfer
