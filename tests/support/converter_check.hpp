#pragma once
// Checks shared by the converter tests: records filled with Mazovia letters
// everywhere, Polish texts in the listed fields, and the expected record
// written out field by field.
#include <vector>

#include "charset/polish.hpp"
#include "conversion/in_place_layouts.hpp"
#include "recordfile/record_view.hpp"
#include "support/fixture.hpp"

namespace vx::test {

struct Field {
  std::size_t offset, capacity;
};
using Fields = std::vector<Field>;

// count fields of one capacity at first + stride * i, i = 0..count-1.
Fields run_of(std::size_t count, std::size_t first, std::size_t stride, std::size_t capacity);
Fields operator+(Fields a, const Fields& b);

// Every byte 0x86 (Mazovia "ą"); in the listed fields, by turns, a short
// text and a length byte beyond the capacity.
Record mazovia_record(std::size_t size, const Fields& texts);
// The listed fields of a mazovia_record as they come out converted in place.
Record converted_in_place(Record rec, const Fields& texts);

// Runs a converter on a copy of the record, with or without conversion.
using RebuiltConverter = bool (*)(const charset::Charsets&, ConstRecordView, RecordView);
Bytes run_in_place(const conversion::layout::InPlaceLayout& layout, const Record& rec, bool convert);
Bytes run_two_size(RebuiltConverter conv, const Record& old, bool convert);

// The fields' converted form written into a record (for cleared targets).
void put_converted(Record& rec, const Record& old, const Fields& texts);
void copy_bytes(Record& to, const Record& from, std::size_t at, std::size_t length);

}  // namespace vx::test
