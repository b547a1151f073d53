#pragma once
// The office's own data for its invoices ("2017_BR.REK" to "2018_BR.REK"),
// 384 bytes: numbering starts again in the new year.
#include "charset/polish.hpp"
#include "recordfile/record_view.hpp"

namespace vx::driver {

inline constexpr std::size_t kOfficeRecordSize = 384;

bool convert_office_record(const charset::Charsets& cs, ConstRecordView old_record, RecordView fresh);

}  // namespace vx::driver
