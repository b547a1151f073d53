#pragma once
// VAT-7 declarations of 2018 kept in the 2017 installation in the old
// layout (all months in one file) carried into the 2018 layout (one record
// per declared month).
#include <cstddef>
#include <string_view>

#include "conversion/company_job.hpp"
#include "recordfile/record_view.hpp"

namespace vx::conversion {

namespace vat7 {
inline constexpr auto kOldName = "2018v7.17";
inline constexpr auto kNewName = "2018vJ17.REK";

// Old file: twelve month entries, then the first month to convert.
inline constexpr std::size_t kOldSize = 14048;
inline constexpr std::size_t kEntrySize = 1168;
inline constexpr std::size_t kFirstMonthAt = 14016;
// Within a month entry.
inline constexpr std::size_t kKindAt = 0;       // 16-bit; 0 and 2 are carried
inline constexpr std::size_t kDeclaredAt = 36;  // 1 when the month holds a declaration
inline constexpr std::size_t kMarkedAt = 37;    // non-zero: flag word of the new record
inline constexpr std::size_t kValueAt = 59;     // 32-bit, carried into the header

// New record.
inline constexpr std::size_t kRecordSize = 1408;
inline constexpr std::size_t kMonthAt = 0;  // 32-bit
inline constexpr std::size_t kYearAt = 4;   // 16-bit
inline constexpr std::size_t kMonthByteAt = 6;
inline constexpr std::size_t kFlagAt = 7;  // 16-bit
inline constexpr std::size_t kKindByteAt = 9;
inline constexpr std::size_t kHeaderValueAt = 10;  // 32-bit
inline constexpr std::size_t kAllBitsAt = 14;      // 32-bit, -1
inline constexpr TextField kCreator{73, 20};
inline constexpr std::size_t kOldEntryAt = 112;
}  // namespace vat7

// Converts "2018v7.17" of the company's 2017 directory into "2018vJ17.REK"
// of its 2018 directory, replacing it unasked. Silent unless it converts.
void convert_vat7_declarations(CompanyJob& job, std::string_view company_dir);

}  // namespace vx::conversion
