#pragma once
// Documents already booked for 2018 and the unsettled documents of 2017,
// rebuilt for the 2018 rules, and the repayments of each month.
#include <cstdint>
#include <string_view>

#include "charset/polish.hpp"
#include "config/options.hpp"
#include "dialogue/dialogue.hpp"
#include "recordfile/record_view.hpp"

namespace vx::conversion {

// The document file being converted: its month (0 for the unsettled
// documents of 2017) and the number the next document gets, its position
// in the 2018 file counted from 1.
struct DocumentCursor {
  std::int16_t month = 0;
  std::uint32_t next_number = 1;
};

// What the document and repayment converters work with.
struct DocumentCopy {
  dialogue::Dialogue& talk;
  const charset::Charsets& cs;
  const Options& options;  // seeing the work slowly, stopping per company
  DocumentCursor cursor;
};

// Before each document file: the documents written to target_path are
// numbered from 1, or behind the records already there when appending.
DocumentCursor start_document_file(std::string_view target_path, std::int16_t month, bool appending);
// Document converter (400 -> 400). Shows one line per document; drops a
// struck-off document.
bool convert_document(DocumentCopy& job, ConstRecordView old_record, RecordView new_record);
// Repayment converter (48 -> 48).
bool convert_repayment(DocumentCopy& job, ConstRecordView old_record, RecordView new_record);

}  // namespace vx::conversion
