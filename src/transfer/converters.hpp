#pragma once
// The per-record converters that the record copies call. Plain function
// pointers: millions of records pass through them, and every converter reads
// the run's state (character standards, transferred persons) through the session.
#include <string>

#include "driver/session.hpp"
#include "recordfile/record_view.hpp"

namespace vx::transfer {

// Same-length converter: the record in place; true writes it, false drops it.
using SameSizeConverter = bool (*)(Session& run, RecordView record);
// Old-to-new converter: the old record read-only and a zeroed buffer for the
// new one; true writes the new record, false drops it.
using TwoSizeConverter = bool (*)(Session& run, ConstRecordView old_record, RecordView new_record);
// Line filter of the text copy: a line of up to 255 characters, already
// converted, which it may change; true writes it, false drops it.
using LineFilter = bool (*)(Session& run, std::string& line);

}  // namespace vx::transfer
