#pragma once
// The PID-5 and PIT-28 data of a person carried into 2018: asked about when
// pit_scope says so, then built as a fresh record of 2018 (or, for a PID-5
// record already of 2018 taken from the 2018 files, a whole copy).
#include "personnel/staff.hpp"
#include "recordfile/record_view.hpp"

namespace vx::personnel {

bool pid5_filter(Staff& staff, ConstRecordView old, RecordView fresh);
bool pit28_filter(Staff& staff, ConstRecordView old, RecordView fresh);

}  // namespace vx::personnel
