#pragma once
// The personnel state of the company being copied: how persons are chosen
// and which of them were carried. Reset at the start of every company.
#include <cstdint>

#include "personnel/transferred_persons.hpp"

namespace vx::personnel {

// How persons are chosen: a working copy of person_scope.
enum TransferMode : std::uint16_t {
  kTransferAll = 0,
  kTransferEmployed = 1,  // employed on the cut-off date
  kTransferAsk = 2,
};

// Records dropped because their person was carried past the table.
struct LeftForLackOfRoom {
  std::uint32_t families = 0;
  std::uint32_t contracts = 0;
  std::uint32_t wages = 0;
};

struct PersonnelState {
  std::uint16_t transfer_mode = kTransferAll;  // "W" at the question sets it to all
  TransferredPersons persons;
  LeftForLackOfRoom left;
};

// Start of a company's personnel steps: the working mode from person_scope,
// an empty table.
struct Staff;
void reset_personnel(Staff& staff);

// After the last step that needs the table: one line counting the persons
// carried past it and what of theirs was left behind, and a key wait;
// nothing when the table held everybody.
void report_lack_of_room(Staff& staff);

}  // namespace vx::personnel
