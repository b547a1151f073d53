#pragma once
// The engine of every text converter: a record layout given as a table of
// text fields, each converted from the source to the target standard.
#include <array>
#include <span>

#include "charset/polish.hpp"
#include "recordfile/record_view.hpp"

namespace vx {

// Converts one text field in place, stored back cut to its capacity.
void convert_field(RecordView rec, TextField f, const charset::Charsets& cs);
// Converts the source field into the same offset of the target.
void convert_field_into(ConstRecordView src, RecordView dst, TextField f, const charset::Charsets& cs);

// Converts every listed field in place; nothing happens when no conversion
// is needed.
void convert_texts(RecordView rec, std::span<const TextField> fields, const charset::Charsets& cs);
void convert_texts_into(ConstRecordView src, RecordView dst, std::span<const TextField> fields,
                        const charset::Charsets& cs);
// A length byte claiming more than its field holds becomes the capacity;
// no other byte changes.
void cut_texts(RecordView rec, std::span<const TextField> fields);

}  // namespace vx
