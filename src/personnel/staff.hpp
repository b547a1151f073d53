#pragma once
// What the personnel steps of a company work with: the dialogue, the
// character standards, the table of persons carried, how persons are chosen,
// and whether the company's data come from its 2018 files.
#include "charset/polish.hpp"
#include "config/options.hpp"
#include "dialogue/dialogue.hpp"
#include "personnel/personnel_state.hpp"

namespace vx::personnel {

struct Staff {
  dialogue::Dialogue& talk;
  const charset::Charsets& cs;
  PersonnelState& state;
  const Options& options;       // person_scope, pit_scope
  const bool& from_2018_files;  // settled by the company's annual step
};

}  // namespace vx::personnel
