#pragma once
// The lines of a run's journal, one change each, written before the change:
//   U <path>                 a file about to be created
//   K <path>                 a folder about to be created
//   Z <path>                 an existing file about to change; its copy is
//                            in the run's kopia/ under its place in the tree
//   R <from> <to>            an entry about to be renamed
//   G <path> <size> <time>   a file as the run left it
// Fields are separated by tabs; a tab, a line end or "%" in a path is
// written as %09, %0A, %0D or %25. Paths are CP852.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/filesystem.hpp"

namespace vx::history {

inline constexpr std::string_view kJournalFile = "dziennik.txt";
inline constexpr std::string_view kJournalHeader = "vx17-18 dziennik 1";
inline constexpr std::string_view kBackupFolder = "kopia";
// Left in a run's folder once the run was undone.
inline constexpr std::string_view kUndoneMark = "cofnieto.txt";

struct JournalEntry {
  char kind = 0;
  std::vector<std::string> fields;
  platform::FileStamp stamp;  // of a G entry
};

// A path inside the tree of root (which ends with a separator), never
// leading back out of it by "..".
bool inside_root(std::string_view path, std::string_view root);
// Where a run keeps its copy of a 2018 file: kopia/ under the file's place
// in the tree.
std::string backup_path(std::string_view run_folder, std::string_view target_root, std::string_view path);

// Appends one entry, its line end included.
void append_journal_line(std::string& out, char kind, std::initializer_list<std::string_view> fields);
// Nothing for a line that is no entry of a known kind with its fields.
std::optional<JournalEntry> parse_journal_line(std::string_view line);

}  // namespace vx::history
