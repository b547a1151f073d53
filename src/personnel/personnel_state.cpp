#include "personnel/personnel_state.hpp"

#include <string>

#include "personnel/messages.hpp"
#include "personnel/staff.hpp"

namespace vx::personnel {

void reset_personnel(Staff& staff) {
  staff.state.transfer_mode = staff.options.person_scope;
  staff.state.persons.clear();
  staff.state.left = {};
}

void report_lack_of_room(Staff& staff) {
  const auto& p = staff.state;
  if (p.persons.count_past_table() == 0) return;
  staff.talk.line(kPastTablePersons + std::to_string(p.persons.count_past_table()) + kPastTableFamilies +
                      std::to_string(p.left.families) + kPastTableContracts +
                      std::to_string(p.left.contracts) + kPastTableWages + std::to_string(p.left.wages),
                  dialogue::Tone::kWarning);
  // The window is cleared when the company ends: seen only if waited for.
  staff.talk.acknowledge();
}

}  // namespace vx::personnel
