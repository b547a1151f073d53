#pragma once
// The documents booked in the tax book (2018K880.1 .. 2018K880.12 and the
// unsettled documents file, 400 bytes) and the repayments (2018SP.n, 48
// bytes), as the 2018 rules want them.
#include <cstddef>
#include <cstdint>

#include "recordfile/field_tables.hpp"

namespace vx::conversion::layout {

inline constexpr std::size_t kDocumentSize = 400;

inline constexpr std::size_t kDocumentNumber = 0;     // dword: position in the file, from 1
inline constexpr std::size_t kDocumentBooked = 14;    // packed date
inline constexpr std::size_t kDocumentDate = 18;      // packed date, shown
inline constexpr std::size_t kDocumentStatus = 30;    // 16-bit word
inline constexpr std::uint16_t kStruckOff = 0x0002;
inline constexpr TextField kDocumentShownNumber{55, 18};
inline constexpr TextField kDocumentShownParty{148, 36};
inline constexpr std::size_t kShownNumberWidth = 10;
inline constexpr std::size_t kDocumentSettled = 215;  // double, 0 while unsettled

inline constexpr auto kDocumentTexts =
    fields({{32, 22}, {55, 18}, {74, 36}, {111, 36}, {148, 36}, {185, 20}, {223, 12}});
// Carried as they are; the 104 bytes at 242 hold the four net/tax pairs and
// the bytes 344 and 345.
inline constexpr auto kDocumentCopied =
    ranges({{4, 4},   {8, 2},    {10, 4},   {18, 4},   {22, 4},   {26, 4},   {30, 2},  {206, 4},
            {210, 4}, {214, 1},  {236, 1},  {242, 104}, {237, 1}, {238, 4},  {348, 1}, {347, 1},
            {350, 1}, {346, 1},  {360, 1},  {361, 2},  {363, 2},  {367, 1},  {368, 9}, {377, 9}});
// Carried for a month's documents; reset for the unsettled ones.
inline constexpr auto kDocumentOfMonth = ranges({{kDocumentBooked, 4}, {kDocumentSettled, 8}});

// VAT rate codes (rate in hundredths of a percent) of the four pairs of net
// and tax amounts: the code of a rate above the threshold (or of no net),
// else the lower code.
struct VatPair {
  std::size_t net, tax, code;
  std::uint16_t higher, lower;
  double threshold;
};
inline constexpr VatPair kVatPairs[] = {
    {248, 256, 352, 2300, 2200, 22.1},
    {264, 272, 354, 800, 700, 7.1},
    {296, 304, 356, 500, 300, 3.1},
    {312, 320, 358, 700, 600, 6.1},
};
// Byte 344 names the rate under which the third pair is booked in 2018;
// the pair is then added into the pair of that rate.
inline constexpr std::size_t kFoldRate = 344;
inline constexpr std::size_t kFoldRateSpare = 345;
struct Folding {
  std::uint8_t rate;
  std::size_t into_pair;  // index into kVatPairs
};
inline constexpr std::size_t kFoldedPair = 2;
inline constexpr Folding kFoldings[] = {{23, 0}, {8, 1}};
inline constexpr std::size_t kDocumentVersion = 367;
inline constexpr std::uint8_t kDocumentVersion2018 = 2;

static_assert(fits_without_overlap(kDocumentSize, kDocumentTexts, kDocumentCopied, kDocumentOfMonth,
                                   ranges({{kDocumentNumber, 4}, {352, 8}})));

inline constexpr std::size_t kRepaymentSize = 48;
inline constexpr std::size_t kRepaymentDate = 5;  // packed date
inline constexpr TextField kRepaymentDocument{17, 12};

}  // namespace vx::conversion::layout
