#pragma once
// Documents already booked for 2018 and the unsettled documents of 2017,
// rebuilt for the 2018 rules, and the repayments of each month.
#include <string_view>

#include "driver/session.hpp"
#include "recordfile/record_view.hpp"

namespace vx::conversion {

// Called before each document file is converted: the documents written to
// target_path are numbered by their position in it, from 1, or behind the
// records already there when the copy appends (run.transfer.append_mode).
void start_document_file(Session& run, std::string_view target_path);

// Document converter (transfer::TwoSizeConverter, 400 -> 400). Shows one
// line per document; drops a struck-off document. Reads
// run.transfer.doc_month (0 for the unsettled documents).
bool convert_document(Session& run, ConstRecordView old_record, RecordView new_record);

// Repayment converter (transfer::TwoSizeConverter, 48 -> 48).
bool convert_repayment(Session& run, ConstRecordView old_record, RecordView new_record);

}  // namespace vx::conversion
