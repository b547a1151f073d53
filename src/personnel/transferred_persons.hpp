#pragma once
// The IDs of the persons carried for the current company, so that families,
// contracts and wages follow their person. Position k (from 1) holds the k-th
// carried person; the last position is never written.
#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_set>

namespace vx::personnel {

inline constexpr std::uint16_t kTablePositions = 2048;
// Every personnel record starts with a person ID (signed 64-bit): its own,
// or that of the person it belongs to. Negative marks a deleted record.
inline constexpr std::size_t kPersonIdAt = 0;

class TransferredPersons {
 public:
  enum class Added {
    kRecorded,     // the ID is in the table
    kTableFull,    // this person filled the table: tell the operator once
    kNotRecorded,  // carried, but the table has no room for the ID
  };

  void clear();
  // Counts one more carried person and records the ID while there is room.
  Added add(std::int64_t id);
  // Whether the ID was recorded; searches the recorded positions in order.
  bool contains(std::int64_t id) const;
  // Whether the person was carried without room for the ID: what belongs
  // to it cannot follow.
  bool past_table(std::int64_t id) const { return past_table_.contains(id); }

  std::uint16_t count() const { return count_; }
  // Persons carried whose IDs found no room.
  std::uint32_t count_past_table() const { return count_past_table_; }
  // The ID at position 1..2048.
  std::int64_t at(std::uint16_t position) const { return ids_[position - 1u]; }

 private:
  std::array<std::int64_t, kTablePositions> ids_{};
  std::uint16_t count_ = 0;  // keeps counting past the table, up to 65535
  // Only to tell a dependent left behind for lack of room from one whose
  // person was not carried at all.
  std::unordered_set<std::int64_t> past_table_;
  std::uint32_t count_past_table_ = 0;
};

}  // namespace vx::personnel
