#pragma once
// The annual settings file ("2017_ROK.REK", "2018_ROK.REK"): 512-byte
// records of which the first three are carried into the new year. Every
// record of the 2018 file starts as zeros and receives only what is listed
// here.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "recordfile/field_tables.hpp"
#include "recordfile/record_view.hpp"

namespace vx::conversion::annual {

inline constexpr std::string_view k2017File = "2017_ROK.REK";
inline constexpr std::string_view k2018File = "2018_ROK.REK";

inline constexpr std::size_t kRecordSize = 512;
inline constexpr std::size_t kRecordCount = 3;

// Bytes 0 and 1 of every record: the code-page marker of the data.
inline constexpr std::size_t kMarker = 0;
inline constexpr std::size_t kMarkerLength = 2;

// Record 1: settings, month states and balances.
namespace settings {
inline constexpr std::size_t kOpenFlag = 2;       // 1 in a newly opened year
inline constexpr std::size_t kMonthState = 3;     // 1 in a newly opened year
inline constexpr std::uint8_t kDecemberApproved = 13;
inline constexpr std::size_t kLayoutMark = 4;     // always 3
inline constexpr std::size_t kLayoutMark2 = 131;  // always 3
inline constexpr std::uint8_t kLayoutMarkValue = 3;
// Twelve months of two 16-bit words, each entry 8 bytes (the last 4 zero).
inline constexpr std::size_t kMonthTable = 16;
inline constexpr std::size_t kMonthEntry = 8;
inline constexpr std::size_t kMonths = 12;
// A 16-bit value taken from another offset of the source.
inline constexpr std::size_t kMovedWord = 118;
inline constexpr std::size_t kMovedWordSource = 120;
// Thirteen doubles: 0 the opening balance (BO), 12 the closing balance after
// December (BZ).
inline constexpr std::size_t kBalances = 150;
inline constexpr std::size_t kBalanceCount = 13;
inline constexpr std::size_t kOpeningBalance = 0;
inline constexpr std::size_t kClosingBalance = 12;
// Doubles of months 1..12 at kMonthAmounts + 8 * month.
inline constexpr std::size_t kMonthAmounts = 248;
inline constexpr std::size_t kYearWord = 416;  // 1 in a newly opened year

// What a new year takes from the closing of the old one: BZ.2017 becomes
// BO.2018 and the first entry of the second amount table.
inline constexpr ByteRange kCarriedBalances[] = {
    {kBalances + 8 * kOpeningBalance, 8},
    {kMonthAmounts + 8 * 1, 8},
};

inline constexpr ByteRange kCopied[] = {
    {5, 2},   {7, 2},   {12, 1},  {13, 1},  {14, 2},  {112, 2}, {114, 1}, {115, 1},
    {116, 1}, {117, 1}, {122, 1}, {123, 4}, {127, 2}, {133, 1}, {135, 2}, {137, 2},
    {139, 2}, {141, 1}, {142, 1}, {143, 1}, {254, 2}, {364, 2}, {408, 8}, {418, 1},
    {419, 1}, {420, 1}, {421, 2},
};
}  // namespace settings

// Record 2: ten numbering entries.
namespace numbering {
inline constexpr std::size_t kEntries = 2;
inline constexpr std::size_t kEntrySize = 16;
inline constexpr std::size_t kEntryCount = 10;
// Within an entry: two short strings of 6 characters, stored whole, and a
// counter that starts again at 1 in a newly opened year.
inline constexpr ByteRange kPrefix{0, 7};
inline constexpr std::size_t kCounter = 7;
inline constexpr ByteRange kSuffix{9, 7};
inline constexpr ByteRange kCopied[] = {{162, 1}, {163, 1}};
}  // namespace numbering

// Record 3: amounts and twelve monthly blocks.
namespace monthly {
inline constexpr ByteRange kCopied[] = {{2, 8}, {10, 8}, {270, 8}, {278, 2}};
// Carried only from a 2018 file; a newly opened year starts them at zero.
inline constexpr ByteRange kMonthBlocks{18, 21 * 12};
}  // namespace monthly

// Writes into a 2018 record 1 the amounts of kCarriedBalances, from record 1
// of the 2017 file; nothing else of the target changes.
void carry_closing_balances(ConstRecordView source_2017, RecordView target);

// The three 2018 records, built from the source's records. from_2018 tells
// that the source is a 2018 file already in use (carried as it is) rather
// than the 2017 file (a new year opened).
void build_settings_record(ConstRecordView source, RecordView target, bool from_2018,
                           std::uint8_t marker);
void build_numbering_record(ConstRecordView source, RecordView target, bool from_2018,
                            std::uint8_t marker);
void build_monthly_record(ConstRecordView source, RecordView target, bool from_2018,
                          std::uint8_t marker);

}  // namespace vx::conversion::annual
