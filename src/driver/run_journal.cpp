#include "driver/run_journal.hpp"

#include <algorithm>

#include "charset/cp852.hpp"
#include "charset/utf8.hpp"
#include "console_dialogue/screen_lines.hpp"
#include "driver/run_lock.hpp"
#include "driver/run_trees.hpp"
#include "history/run_folder.hpp"
#include "history/run_report.hpp"
#include "history/undo.hpp"
#include "platform/change_journal.hpp"
#include "platform/staged_folder.hpp"

namespace vx::driver {

namespace {

[[noreturn]] void cannot_keep(Session& run, std::string_view what, const std::string& path) {
  const std::string lines[] = {std::string(what), path};
  run.talk.report(lines);
  throw platform::ProgramExit{kBusyExitCode};
}

// The undo told in the run's own report, below what the run wrote there;
// false when it could not be written whole.
bool append_to_report(const std::string& path, const history::Stamp& when, const std::vector<std::string>& lines) {
  std::string text = "\r\n" + charset::cp852_to_utf8(cp852("Cofnięcie przebiegu ").str() + history::shown(when)) + "\r\n";
  for (const auto& l : lines) text += charset::cp852_to_utf8(l) + "\r\n";
  platform::File f;
  const bool there = platform::file_stamp(path).has_value();
  if (!f.open(path, there ? platform::File::Mode::kAppend : platform::File::Mode::kCreate)) return false;
  return f.write(text.data(), text.size()) == text.size() && f.close();
}

}  // namespace

std::string start_run_folder(Session& run) {
  const auto folder = history::make_run_folder(run.loc.target_root, history::now());
  if (!folder) cannot_keep(run, cp852("Nie można założyć katalogu przebiegu w"), run.loc.target_root);
  return *folder;
}

RunJournal::RunJournal(Session& run, const std::string& run_folder)
    : journal_(run_folder, run.loc.source_root, run.loc.target_root) {
  if (!journal_.ok()) {
    // A run folder without its journal would stand in the way of every undo.
    platform::remove_tree(run_folder);
    cannot_keep(run, cp852("Nie można zapisać dziennika przebiegu"), run_folder);
  }
  platform::journal_changes(&journal_);
}

RunJournal::~RunJournal() { platform::journal_changes(nullptr); }

bool undo_last_run(Session& run) {
  const RunLock lock(run);
  const RunTrees trees(run);
  const auto when = history::now();
  const auto result = history::undo_latest_run(run.loc.source_root, run.loc.target_root);
  int next_row = 0;
  {
    const dialogue::Dialogue::Scope window(run.talk, dialogue::Area::kCopyWindow);
    for (const auto& line : result.lines)
      run.talk.line(line, result.undone ? dialogue::Tone::kNormal : dialogue::Tone::kError);
    const std::string report = result.run_folder + std::string(history::kReportFile);
    if (!result.run_folder.empty() && !append_to_report(report, when, result.lines))
      run.talk.line(cp852("Nie dopisano cofnięcia do raportu ") + report, dialogue::Tone::kError);
    next_row = run.out.window().top + run.out.y() - 1;
  }
  // What follows goes below the last lines of the undo, not over them.
  run.out.go_to(1, std::min(next_row, ui::kFullScreen.bottom));
  return result.undone;
}

}  // namespace vx::driver
