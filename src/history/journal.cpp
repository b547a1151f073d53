#include "history/journal.hpp"

#include "history/journal_format.hpp"
#include "history/run_folder.hpp"
#include "platform/staged_folder.hpp"

namespace vx::history {

namespace {

bool separator(char c) { return c == '/' || c == '\\'; }

// The run's own names: a company's staging folder, the temporaries and the
// list of files still to hide.
bool own_name(std::string_view path) {
  for (std::size_t at = 0; (at = path.find(platform::kOwnNamePrefix, at)) != std::string_view::npos; ++at)
    if (at == 0 || separator(path[at - 1])) return true;
  return false;
}

std::string last_name(std::string_view path) {
  const auto cut = path.find_last_of("/\\");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace

bool make_parent_folders(std::string_view root, std::string_view path) {
  for (std::size_t at = root.size(); at < path.size(); ++at) {
    if (!separator(path[at])) continue;
    const std::string folder(path.substr(0, at));
    if (!platform::is_directory(folder) && !platform::make_directory(folder)) return false;
  }
  return true;
}

bool copy_file(std::string_view from, std::string_view to) {
  platform::File in, out;
  if (!in.open(from, platform::File::Mode::kRead) || !out.open(to, platform::File::Mode::kReplace)) return false;
  char block[1 << 15];
  for (;;) {
    const std::size_t n = in.read(block, sizeof block);
    if (in.failed() || out.write(block, n) < n) return false;  // the copy given up with out
    if (n < sizeof block) break;
  }
  // The copy keeps the time of its source: a file put back is as it was.
  const auto stamp = platform::file_stamp(from);
  return out.close() && stamp && platform::set_modified(to, stamp->modified);
}

Journal::Journal(std::string run_folder, std::string source_root, std::string target_root)
    : run_folder_(std::move(run_folder)), source_root_(std::move(source_root)), target_root_(std::move(target_root)),
      runs_folder_(target_root_ + std::string(kRunsFolder)) {
  // Begun with its first line by the run folder's making.
  file_.open(run_folder_ + std::string(kJournalFile), platform::File::Mode::kAppend);
}

bool Journal::own(std::string_view path) const {
  // Outside the two trees a run writes only its temporaries: the trees'
  // confinement keeps everything else out.
  return (!inside_root(path, target_root_) && !inside_root(path, source_root_)) || path == runs_folder_ ||
         inside_root(path, runs_folder_ + platform::kSeparator) || own_name(path);
}

bool Journal::entry(char kind, std::initializer_list<std::string_view> fields, bool may_wait) {
  line_.clear();
  append_journal_line(line_, kind, fields);
  // With the system before the change it tells of: a run killed next can
  // still be undone.
  return file_.is_open() && file_.write(line_.data(), line_.size()) == line_.size() && (may_wait || file_.flush());
}

bool Journal::keep_copy(std::string_view path, bool in_place) {
  const std::string backup = backup_path(run_folder_, target_root_, path);
  if (!make_parent_folders(run_folder_, backup)) return false;
  // A file replaced whole keeps its old bytes under a second name for free;
  // one written where it lies needs a copy of its own.
  return (!in_place && platform::link_file(path, backup)) || copy_file(path, backup);
}

bool Journal::before_change(std::string_view path, bool in_place) {
  if (own(path) || !inside_root(path, target_root_)) return true;
  if (!settled_.insert(std::string(path)).second) return true;
  return keep_copy(path, in_place) && entry('Z', {path});
}

bool Journal::before_create(std::string_view path) {
  if (own(path) || !inside_root(path, target_root_)) return true;
  // A file of a company's staging folder is in 2018 only once the folder
  // is put in place, and that entry is handed over at once: this one may
  // wait for it. A stopped company's staging goes with the undo anyway; a
  // file made twice there is one the undo removes once.
  if (platform::inside_staging(path)) return entry('U', {path}, true);
  if (!settled_.insert(std::string(path)).second) return true;
  return entry('U', {path});
}

bool Journal::before_create_folder(std::string_view path) {
  if (own(path) || !inside_root(path, target_root_)) return true;
  if (!settled_.insert(std::string(path)).second) return true;
  return entry('K', {path});
}

bool Journal::before_rename(std::string_view from, std::string_view to) {
  // A company's staging folder put in place is its 2018 folder made anew.
  if (own_name(last_name(from)) && !own(to))
    return !settled_.insert(std::string(to)).second || entry('K', {to});
  if (own(from) && own(to)) return true;
  return entry('R', {from, to});
}

void Journal::written(std::string_view path, const platform::FileStamp& stamp) {
  if (own(path)) return;
  // Only a check of the file made later: lost with a kill, the file counts
  // as left by the run.
  entry('G', {path, std::to_string(stamp.size), std::to_string(stamp.modified)}, true);
}

}  // namespace vx::history
