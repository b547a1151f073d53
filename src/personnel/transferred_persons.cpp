#include "personnel/transferred_persons.hpp"

#include <algorithm>
#include <limits>

namespace vx::personnel {

void TransferredPersons::clear() {
  ids_.fill(0);
  count_ = 0;
  past_table_.clear();
  count_past_table_ = 0;
}

TransferredPersons::Added TransferredPersons::add(std::int64_t id) {
  // Held at its maximum: a 16-bit count that wrapped round would start
  // overwriting the first positions.
  if (count_ < std::numeric_limits<std::uint16_t>::max()) ++count_;
  if (count_ < kTablePositions) {
    ids_[count_ - 1u] = id;
    return Added::kRecorded;
  }
  past_table_.insert(id);
  ++count_past_table_;
  return count_ == kTablePositions ? Added::kTableFull : Added::kNotRecorded;
}

bool TransferredPersons::contains(std::int64_t id) const {
  // Only written positions are searched: the last one always holds 0 and
  // would otherwise match a person ID 0 that was never carried.
  const auto recorded = std::min<std::size_t>(count_, kTablePositions - 1u);
  return std::find(ids_.begin(), ids_.begin() + static_cast<std::ptrdiff_t>(recorded), id) !=
         ids_.begin() + static_cast<std::ptrdiff_t>(recorded);
}

}  // namespace vx::personnel
