#pragma once
// Per-person annual tax data of the PID-5 file (2018p5.13 / 2017p5.13) and
// the PIT-28 file (2018_p28.rek / 2017_p28.rek): 13952-byte records sharing
// their head.
#include <array>
#include <cstddef>
#include <cstdint>

#include "recordfile/record_view.hpp"

namespace vx::personnel {

inline constexpr std::size_t kPitRecordSize = 13952;

// The head: person ID at 0, two packed dates, the office, the person, the address.
inline constexpr std::size_t kPitValidFrom = 12;
inline constexpr std::size_t kPitSecondDate = 16;
inline constexpr std::size_t kPitOffice = 20;  // 71-byte office block
inline constexpr std::size_t kPitPersonal = 91;
inline constexpr std::size_t kPitPersonalSize = 73;
inline constexpr TextField kPitSurname{105, 31};
inline constexpr TextField kPitFirstName{137, 22};
inline constexpr std::array<TextField, 2> kPitNames = {{kPitSurname, kPitFirstName}};
inline constexpr std::size_t kPitAddress = 164;  // laid out as a company record

inline constexpr PackedDate kFirstDayOf2018{1, 1, 2018};
inline constexpr std::uint16_t kYear2018 = 2018;

// PID-5: groups of items, each with a block of values; a value's amount of
// the year before (at +88) becomes its opening amount (at +0).
struct PitGroup {
  std::size_t items;
  std::size_t item_size;
  std::size_t values;
  std::size_t value_size;
  std::size_t count;
};
inline constexpr PitGroup kGroupA{388, 103, 1212, 424, 8};
inline constexpr PitGroup kGroupB{4604, 103, 5428, 424, 8};
// Group C items hold text 13 at +0, text 14 at +14, texts 36 at +29, +66 and
// +103, text 18 at +140, 32-bit values at +159 and +163, a 16-bit value at
// +167: fields that fill the item, so it is carried whole.
inline constexpr PitGroup kGroupC{8820, 169, 9158, 522, 2};
inline constexpr std::array<TextField, 2> kPitItemTexts = {{{29, 36}, {66, 36}}};
inline constexpr std::size_t kOpeningAmount = 0;
inline constexpr std::size_t kAmountBefore = 88;

struct ByteRange {
  std::size_t offset;
  std::size_t length;
};
inline constexpr std::array<ByteRange, 9> kPid5Trailing = {{
    {13884, 1}, {13886, 2}, {13888, 3}, {13899, 2}, {13901, 2}, {13903, 2},
    {13929, 1}, {13930, 1}, {13943, 1},
}};
// Three switches that must not be 0: a 0 becomes 1.
inline constexpr ByteRange kPid5Switches{13888, 3};

// PIT-28: twelve monthly blocks of 490 bytes, m from 1; each month gets the
// source's value of December (at 5783) and the byte 3.
inline constexpr std::size_t kPit28Months = 12;
inline constexpr std::size_t kPit28MonthStride = 490;
inline constexpr std::size_t kPit28MonthValueBack = 97;    // 490 m - 97
inline constexpr std::size_t kPit28MonthFlagAfter = 387;   // 490 m + 387
inline constexpr std::size_t kPit28MonthValueSource = 5783;
inline constexpr std::uint8_t kPit28MonthFlag = 3;
inline constexpr std::size_t kPit28Kept = 13943;

}  // namespace vx::personnel
