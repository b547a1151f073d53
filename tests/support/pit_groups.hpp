#pragma once
// Where the PID-5 and PIT-28 records keep their groups: items, values, counts.
#include <cstddef>
#include <cstring>

#include "support/fixture.hpp"

namespace vx::test {

constexpr std::size_t kPitSize = 13952;

struct PitGroup {
  std::size_t items, item_size, values, value_size, count;
};
constexpr PitGroup kPitGroupA{388, 103, 1212, 424, 8};
constexpr PitGroup kPitGroupB{4604, 103, 5428, 424, 8};
constexpr PitGroup kPitGroupC{8820, 169, 9158, 522, 2};

inline void copy_range(Record& to, const Record& from, std::size_t at, std::size_t length) {
  std::memcpy(to.bytes().data() + at, from.bytes().data() + at, length);
}

}  // namespace vx::test
