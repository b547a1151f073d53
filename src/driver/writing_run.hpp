#pragma once
// What a run that changes the trees holds from its first write to its end:
// the lock of the 2018 tree, the trees' confinement, its own folder with
// the journal, and the report watching the dialogue.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialogue/dialogue.hpp"
#include "driver/run_journal.hpp"
#include "driver/run_lock.hpp"
#include "driver/run_trees.hpp"
#include "driver/session.hpp"
#include "history/run_report.hpp"

namespace vx::driver {

class WritingRun {
 public:
  // The report's head names the choices (label and value in words, CP852).
  WritingRun(Session& run, std::vector<std::pair<std::string, std::string>> choices);
  ~WritingRun();
  WritingRun(const WritingRun&) = delete;
  WritingRun& operator=(const WritingRun&) = delete;

  // Writes the report's end; the report stops watching.
  void finish();
  // After finish(): the journal closed and the run's folder removed, for a
  // run that changed nothing, so that "/cofnij" takes back the run before it.
  void forget();
  const history::RunReport& report() const { return *report_; }

 private:
  RunLock lock_;
  RunTrees trees_;
  std::string folder_;
  std::unique_ptr<RunJournal> journal_;
  std::unique_ptr<history::RunReport> report_;
  std::unique_ptr<dialogue::Dialogue::Watch> watching_;
};

}  // namespace vx::driver
