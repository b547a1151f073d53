#pragma once
// Every change a run makes to its trees is told here first, before it
// happens: the run's journal keeps it, and keeps a copy of what is about to
// be replaced, so that the run can be undone even when it was killed.
#include <string_view>

#include "platform/filesystem.hpp"

namespace vx::platform {

class ChangeJournal {
 public:
  virtual ~ChangeJournal() = default;
  // An existing file is about to be replaced or extended whole (a new file
  // renamed over it), or written where it lies (in_place). False refuses
  // the change: it could not be written down.
  virtual bool before_change(std::string_view path, bool in_place) = 0;
  virtual bool before_create(std::string_view path) = 0;
  virtual bool before_create_folder(std::string_view path) = 0;
  virtual bool before_rename(std::string_view from, std::string_view to) = 0;
  // A file written by the run is closed, as the run leaves it.
  virtual void written(std::string_view path, const FileStamp& stamp) = 0;
};

// The journal of the changes that follow; nullptr for none.
void journal_changes(ChangeJournal* journal);
ChangeJournal* change_journal();

}  // namespace vx::platform
