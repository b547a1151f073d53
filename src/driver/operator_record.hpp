#pragma once
// Operator records ("OPERATOR.REK", 512 bytes), stored scrambled.
#include <cstdint>
#include <span>

#include "charset/polish.hpp"
#include "recordfile/record_view.hpp"

namespace vx::driver {

inline constexpr std::size_t kOperatorRecordSize = 512;

// The scrambling is its own inverse: each byte XOR the next value in 0..254
// of a linear congruential generator (x := x * 134775813 + 1 mod 2^32, value
// = x * 255 div 2^32) started from the fixed seed below for every record.
inline constexpr std::uint32_t kOperatorSeed = 20171231;
void scramble_operator_record(std::span<std::uint8_t> record);

// Unscrambles, converts the names, grants the rights the 2018 program
// splits out of older ones, scrambles again.
bool convert_operator_record(const charset::Charsets& cs, RecordView record);

}  // namespace vx::driver
