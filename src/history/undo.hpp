#pragma once
// The way back: the latest run not undone yet is undone from its journal.
// What it created goes (unless changed since), what it replaced or changed
// comes back from its copies, what it renamed gets its name back. A journal
// that is damaged, or names anything outside the two trees, is refused and
// nothing is touched.
#include <string>
#include <string_view>
#include <vector>

namespace vx::history {

struct UndoResult {
  bool undone = false;              // false: nothing to undo, or refused
  std::string run_folder;           // the run undone, ending with a separator
  std::vector<std::string> lines;   // what was done, CP852, for the screen and the report
};

// Both roots end with a separator.
UndoResult undo_latest_run(std::string_view source_root, std::string_view target_root);

}  // namespace vx::history
