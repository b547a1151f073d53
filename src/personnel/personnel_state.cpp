#include "personnel/personnel_state.hpp"

#include <string>

#include "driver/session.hpp"
#include "personnel/messages.hpp"
#include "transfer/console_prompts.hpp"

namespace vx::personnel {

void reset_personnel(Session& run) {
  run.personnel.transfer_mode = run.options.person_scope;
  run.personnel.persons.clear();
  run.personnel.left = {};
}

void report_lack_of_room(Session& run) {
  const auto& p = run.personnel;
  if (p.persons.count_past_table() == 0) return;
  transfer::set_colour(run, transfer::kOffered);
  transfer::print_line(run, kPastTablePersons + std::to_string(p.persons.count_past_table()) +
                                kPastTableFamilies + std::to_string(p.left.families) +
                                kPastTableContracts + std::to_string(p.left.contracts) +
                                kPastTableWages + std::to_string(p.left.wages));
  transfer::set_colour(run, transfer::kNormal);
  // The window is cleared when the company ends: seen only if waited for.
  transfer::read_key(run);
}

bool from_2018_files(const Session& run) { return run.conversion.from_2018_files; }
void set_from_2018_files(Session& run, bool value) { run.conversion.from_2018_files = value; }

}  // namespace vx::personnel
