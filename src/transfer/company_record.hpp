#pragma once
// 224-byte company record (FIRMA_A8.REK), also the address block of the
// personnel records: the text fields converted between character standards;
// 143 and 209 hold codes that are never converted.
#include <cstddef>

#include "recordfile/text_fields.hpp"

namespace vx::transfer {

inline constexpr std::size_t kCompanyRecordSize = 224;
inline constexpr TextField kCompanyRecordTexts[] = {
    {0, 18},   {19, 22},  {42, 26}, {69, 30},  {100, 7},  {108, 7},
    {116, 26}, {150, 26}, {177, 5}, {183, 12}, {196, 12},
};
inline constexpr TextField kCompanyRecordCodes[] = {{143, 6}, {209, 12}};

// Converts a company record (or an address block) in place.
void convert_company_record(RecordView rec, const charset::Charsets& cs);

}  // namespace vx::transfer
