#pragma once
// The source and the target of one byte or record copy, opened and closed
// with the lines the operator sees when that fails.
#include <string>
#include <string_view>

#include "driver/session.hpp"
#include "platform/filesystem.hpp"

namespace vx::transfer {

// A failure line in light red on a line of its own, back to the normal
// colour, then a key wait unless the caller goes on at once.
void show_failure(Session& run, std::string_view line, bool wait_for_key = true);
// A file refused for leading out of the data trees is one light red line
// naming its path, with no key wait: true when that was why it failed.
bool shown_outside_tree(Session& run, const platform::File& file, std::string_view path);
// The light blue line that announces a copy.
void show_copy_start(Session& run, std::string_view line);

class CopyFiles {
 public:
  CopyFiles(Session& run, std::string_view source_name, std::string_view target_name)
      : run_(run), source_name_(source_name), target_name_(target_name) {}

  // Opens the source for reading; shows the failure and waits for a key.
  bool open_source();
  // Starts a new target, or one that holds the old target's bytes first
  // when appending; the target itself changes only when the copy is put in
  // place by close(). On failure shows it, closes the source and waits for
  // a key.
  bool open_target(bool append);
  // Closes both files, showing each failure with a key wait, and puts the
  // target in place. A copy that did not run clean (sound false) is given
  // up instead: the previous target stays as it was. True when the target
  // was put in place.
  bool close(bool sound = true);

  platform::File& source() { return source_; }
  platform::File& target() { return target_; }
  std::string_view source_name() const { return source_name_; }
  std::string_view target_name() const { return target_name_; }

 private:
  Session& run_;
  std::string_view source_name_;
  std::string_view target_name_;
  platform::File source_;
  platform::File target_;
};

}  // namespace vx::transfer
