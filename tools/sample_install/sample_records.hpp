#pragma once
// Writing the sample's texts into records: one field, an address block laid
// out as a company record, and the remaining fields of a layout table.
#include <span>
#include <string_view>

#include "recordfile/record_view.hpp"
#include "sample_company.hpp"

namespace vx::sample {

void put_text(RecordView rec, TextField f, std::string_view utf8, const Encoder& enc);
// The 224-byte address block (the company record's layout) at `at`.
void put_address(RecordView rec, std::size_t at, const Address& a, const Encoder& enc);
// Every field of the table still empty gets a remark, as an office types
// them; about one field in five stays empty.
void fill_remaining(RecordView rec, std::span<const TextField> fields, Dice& dice, const Encoder& enc,
                    std::size_t shift = 0);

}  // namespace vx::sample
