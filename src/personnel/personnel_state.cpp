#include "personnel/personnel_state.hpp"

#include "driver/run.hpp"

namespace vx::personnel {

void reset_personnel(Run& run) {
  run.personnel.transfer_mode = run.options.person_scope;
  run.personnel.persons.clear();
}

bool from_2018_files(const Run& run) { return run.conversion.from_2018_files; }
void set_from_2018_files(Run& run, bool value) { run.conversion.from_2018_files = value; }

}  // namespace vx::personnel
