#include "history/undo.hpp"

#include <algorithm>
#include <map>
#include <optional>

#include "charset/cp852.hpp"
#include "history/journal.hpp"
#include "history/journal_format.hpp"
#include "history/run_folder.hpp"
#include "platform/filesystem.hpp"
#include "platform/staged_folder.hpp"

namespace vx::history {

namespace {

constexpr auto kNothingToUndo = cp852("Brak przebiegu do cofnięcia w ");
constexpr auto kDamaged = cp852("Dziennik przebiegu jest uszkodzony, niczego nie zmieniono: ");
constexpr auto kLine = cp852(", wiersz ");
constexpr auto kNoCopy = cp852("Brak kopii pliku, niczego nie zmieniono: ");
constexpr auto kOutside = cp852("Dziennik wskazuje poza katalog danych, niczego nie zmieniono: ");
constexpr auto kUndoing = cp852("Cofam przebieg ");
constexpr auto kRemoved = cp852("Usunięto ");
constexpr auto kRestored = cp852("Przywrócono ");
constexpr auto kRenamedBack = cp852("Przywrócono nazwę ");
constexpr auto kChangedKept = cp852("Zmieniony po przebiegu, pozostawiony: ");
constexpr auto kNotEmptyKept = cp852("Katalog nie jest pusty, pozostawiony: ");
constexpr auto kFailed = cp852("Nie udało się cofnąć: ");
constexpr auto kDone = cp852("Przebieg cofnięty.");

// The run folders, newest first.
std::vector<std::string> run_folders(std::string_view target_root) {
  const std::string runs = std::string(target_root) + std::string(kRunsFolder);
  std::vector<std::string> names;
  for (const auto& e : platform::list_directory(runs, "*").entries)
    if (e.is_dir && !e.name.starts_with(platform::kOwnNamePrefix)) names.push_back(e.name);
  std::sort(names.rbegin(), names.rend());
  for (auto& n : names) n = runs + platform::kSeparator + n + platform::kSeparator;
  return names;
}

struct Plan {
  std::vector<JournalEntry> entries;
  std::map<std::string, platform::FileStamp> left;  // each file as the run left it
  std::string problem;                              // empty when sound
};

Plan read_plan(std::string_view folder, std::string_view source_root, std::string_view target_root) {
  Plan plan;
  const std::string journal = std::string(folder) + std::string(kJournalFile);
  const auto text = platform::read_whole_file(journal);
  if (!text) {
    plan.problem = kDamaged + journal;
    return plan;
  }
  std::size_t at = 0, number = 0;
  while (at < text->size()) {
    auto end = text->find('\n', at);
    // Every entry is written whole with its line end: a line without one is
    // a cut journal.
    if (end == std::string::npos) {
      plan.problem = kDamaged + journal + kLine + std::to_string(number + 1);
      return plan;
    }
    const std::string_view line(text->data() + at, end - at);
    at = end + 1;
    if (++number == 1) {
      if (line != kJournalHeader) {
        plan.problem = kDamaged + journal + kLine + "1";
        return plan;
      }
      continue;
    }
    auto e = parse_journal_line(line);
    if (!e) {
      plan.problem = kDamaged + journal + kLine + std::to_string(number);
      return plan;
    }
    for (std::size_t f = 0; f < (e->kind == 'R' ? 2u : 1u); ++f) {
      const bool ok = inside_root(e->fields[f], target_root) ||
                      (e->kind == 'R' && inside_root(e->fields[f], source_root));
      if (!ok) {
        plan.problem = kOutside + e->fields[f];
        return plan;
      }
    }
    if (e->kind == 'G') {
      plan.left[e->fields[0]] = e->stamp;
      continue;
    }
    if (e->kind == 'Z') {
      const std::string copy = backup_path(folder, target_root, e->fields[0]);
      if (!platform::file_stamp(copy)) {
        plan.problem = kNoCopy + copy;
        return plan;
      }
    }
    plan.entries.push_back(std::move(*e));
  }
  if (number == 0) plan.problem = kDamaged + journal;
  return plan;
}

// Whether the file is as the run left it (or the run never closed it).
bool as_left(const Plan& plan, const std::string& path) {
  const auto it = plan.left.find(path);
  if (it == plan.left.end()) return true;
  return platform::file_stamp(path) == it->second;
}

// Removes what the run made, unless there is a reason to keep it.
void take_away(const std::string& path, std::string_view kept_because, bool (*remove)(std::string_view),
               std::vector<std::string>& lines) {
  if (!kept_because.empty())
    lines.push_back(std::string(kept_because) + path);
  else
    lines.push_back((remove(path) ? kRemoved.str() : kFailed.str()) + path);
}

void undo_entry(const Plan& plan, const JournalEntry& e, std::string_view folder, std::string_view target_root,
                std::vector<std::string>& lines) {
  const std::string& path = e.fields[0];
  switch (e.kind) {
    case 'U':
      if (platform::file_stamp(path))
        take_away(path, as_left(plan, path) ? "" : kChangedKept.view(), platform::remove_file, lines);
      return;
    case 'K':
      if (platform::is_directory(path))
        take_away(path, platform::list_directory(path, "*").entries.empty() ? "" : kNotEmptyKept.view(),
                  platform::remove_tree, lines);
      return;
    case 'Z': {
      if (platform::file_stamp(path) && !as_left(plan, path)) {
        lines.push_back(kChangedKept + path);
        return;
      }
      const std::string copy = backup_path(folder, target_root, path);
      if (make_parent_folders(target_root, path) && copy_file(copy, path))
        lines.push_back(kRestored + path);
      else
        lines.push_back(kFailed + path);
      return;
    }
    case 'R': {
      const std::string& to = e.fields[1];
      if (!platform::find_entry(to) || platform::find_entry(path)) return;
      lines.push_back((platform::rename_entry(to, path) ? kRenamedBack.str() : kFailed.str()) + path);
      return;
    }
    default: return;
  }
}

}  // namespace

UndoResult undo_latest_run(std::string_view source_root, std::string_view target_root) {
  UndoResult result;
  std::string folder;
  for (const auto& f : run_folders(target_root)) {
    if (platform::find_entry(f + std::string(kUndoneMark))) continue;
    folder = f;
    break;
  }
  if (folder.empty()) {
    result.lines.push_back(kNothingToUndo + std::string(target_root) + std::string(kRunsFolder));
    return result;
  }
  result.run_folder = folder;
  const Plan plan = read_plan(folder, source_root, target_root);
  if (!plan.problem.empty()) {
    result.lines.push_back(plan.problem);
    return result;
  }
  result.lines.push_back(kUndoing + folder);
  for (auto e = plan.entries.rbegin(); e != plan.entries.rend(); ++e)
    undo_entry(plan, *e, folder, target_root, result.lines);
  // A run killed inside a company left its staging folder: not data, gone too.
  const std::string mask = std::string(platform::kStagingPrefix) + "*";
  for (const auto& e : platform::list_directory(target_root, mask).entries) {
    const std::string path = std::string(target_root) + e.name;
    if (e.is_dir && platform::remove_tree(path)) result.lines.push_back(kRemoved + path);
  }
  platform::write_whole_file(folder + std::string(kUndoneMark), "");
  result.lines.push_back(kDone.str());
  result.undone = true;
  return result;
}

}  // namespace vx::history
