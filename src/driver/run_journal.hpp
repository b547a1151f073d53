#pragma once
// While a run copies, every change it makes to the trees is written into
// its journal first, with a copy of each 2018 file it is about to change:
// the way back of "/cofnij".
#include <optional>
#include <string>

#include "driver/session.hpp"
#include "history/journal.hpp"

namespace vx::driver {

class RunJournal {
 public:
  // Starts the journal in the run's folder. When it cannot be written, says
  // so in a message box and ends the program with exit code 2, nothing
  // written.
  RunJournal(Session& run, const std::string& run_folder);
  ~RunJournal();
  RunJournal(const RunJournal&) = delete;
  RunJournal& operator=(const RunJournal&) = delete;

 private:
  history::Journal journal_;
};

// Makes the run's folder under VX1718; ends the program with exit code 2
// when it cannot.
std::string start_run_folder(Session& run);

// "/cofnij": undoes the latest run not undone yet, told on the screen and
// in that run's report; false when there was none, or its journal was
// refused (the program then ends with kNothingUndone).
inline constexpr int kNothingUndone = 5;
bool undo_last_run(Session& run);

}  // namespace vx::driver
