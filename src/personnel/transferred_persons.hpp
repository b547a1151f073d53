#pragma once
// The IDs of the persons carried for the current company, so that families,
// contracts and wages follow their person. Position k (from 1) holds the k-th
// carried person; the last position is never written.
#include <array>
#include <cstddef>
#include <cstdint>

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

  std::uint16_t count() const { return count_; }
  // More persons carried than the table has positions.
  bool over_table() const { return count_ > kTablePositions; }
  // The ID at position 1..2048.
  std::int64_t at(std::uint16_t position) const { return ids_[position - 1u]; }

 private:
  std::array<std::int64_t, kTablePositions> ids_{};
  std::uint16_t count_ = 0;  // keeps counting past the table, up to 65535
};

}  // namespace vx::personnel
