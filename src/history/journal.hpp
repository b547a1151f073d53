#pragma once
// A run's journal: every change the run makes to the 2018 tree and every
// rename in the 2017 tree, written down before it happens, with a copy of
// each existing 2018 file kept before it changes. The changes the run makes
// to its own folders (VX1718, a company's staging folder, temporaries) are
// not its data and are not kept.
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_set>

#include "platform/change_journal.hpp"
#include "platform/filesystem.hpp"

namespace vx::history {

class Journal : public platform::ChangeJournal {
 public:
  // The run's folder and both data roots, each ending with a separator.
  Journal(std::string run_folder, std::string source_root, std::string target_root);
  // False when the journal file could not be made: the run must not go on.
  bool ok() const { return file_.is_open(); }

  bool before_change(std::string_view path, bool in_place) override;
  bool before_create(std::string_view path) override;
  bool before_create_folder(std::string_view path) override;
  bool before_rename(std::string_view from, std::string_view to) override;
  void written(std::string_view path, const platform::FileStamp& stamp) override;

 private:
  // Not the office's data: the run's own folders and temporaries.
  bool own(std::string_view path) const;
  bool keep_copy(std::string_view path, bool in_place);
  // Written, and handed to the system at once unless it may wait for the
  // next entry that is.
  bool entry(char kind, std::initializer_list<std::string_view> fields, bool may_wait = false);

  std::string run_folder_, source_root_, target_root_, runs_folder_;
  platform::File file_;
  // Paths outside the staging folders created or copied already: a second
  // change needs no second copy.
  std::unordered_set<std::string> settled_;
  std::string line_;  // an entry being written, its buffer kept
};

// Makes every folder of path's parent that is missing, below root.
bool make_parent_folders(std::string_view root, std::string_view path);
// Copies a file whole, by its bytes.
bool copy_file(std::string_view from, std::string_view to);

}  // namespace vx::history
