#pragma once
// Records whose 2018 form is built on a cleared buffer: the text fields are
// converted into their own offsets, cut to their capacity, and only the named
// bytes are carried over; every other byte of the new record is zero.
#include <cstdint>
#include <span>
#include <vector>

#include "charset/polish.hpp"
#include "recordfile/field_tables.hpp"
#include "recordfile/record_view.hpp"

namespace vx::conversion {

struct RebuiltLayout {
  std::span<const TextField> converted;
  std::span<const ByteRange> copied;
};

void rebuild_record(ConstRecordView old_record, RecordView new_record, const RebuiltLayout& layout,
                    const charset::Charsets& cs);

// The record as a view of at least size bytes: a short last record of a file
// is read as if padded with zeros (held in store).
ConstRecordView at_full_size(ConstRecordView rec, std::size_t size, std::vector<std::uint8_t>& store);

// Copies the old record into the new one (as much of it as both hold), the
// rest of the new record zero.
void copy_record(ConstRecordView old_record, RecordView new_record);

}  // namespace vx::conversion
