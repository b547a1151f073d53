#pragma once
// The per-record converters that the record copies call. Millions of
// records pass through them; each is bound by its caller to what it needs.
#include <string>

#include "recordfile/record_view.hpp"
#include "transfer/function_ref.hpp"

namespace vx::transfer {

// Same-length converter: the record in place; true writes it, false drops it.
using SameSizeConverter = FunctionRef<bool(RecordView)>;
// Old-to-new converter: the old record read-only and a zeroed buffer for the
// new one; true writes the new record, false drops it.
using TwoSizeConverter = FunctionRef<bool(ConstRecordView, RecordView)>;
// Line filter of the text copy: a line of up to 255 characters, already
// converted, which it may change; true writes it, false drops it.
using LineFilter = FunctionRef<bool(std::string&)>;

}  // namespace vx::transfer
