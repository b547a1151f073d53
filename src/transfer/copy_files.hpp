#pragma once
// The source and the target of one byte or record copy, opened and closed
// with the lines the operator sees when that fails, and the copy's event.
#include <string>
#include <string_view>

#include "platform/filesystem.hpp"
#include "transfer/copier.hpp"
#include "transfer/step_record.hpp"

namespace vx::transfer {

class CopyFiles {
 public:
  CopyFiles(Copier& copier, std::string_view source_name, std::string_view target_name)
      : copier_(copier),
        source_name_(source_name),
        target_name_(target_name),
        step_(copier.talk, source_name, target_name) {}

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
  // A failure line in light red on a line of its own, then a key wait
  // unless the caller goes on at once.
  void fail(std::string_view line, bool wait_for_key = true);

  platform::File& source() { return source_; }
  platform::File& target() { return target_; }
  std::string_view source_name() const { return source_name_; }
  std::string_view target_name() const { return target_name_; }
  StepRecord& step() { return step_; }

 private:
  // A file refused for leading out of the data trees is one light red line
  // naming its path, with no key wait: true when that was why it failed.
  bool shown_outside_tree(const platform::File& file, std::string_view path);

  Copier& copier_;
  std::string_view source_name_;
  std::string_view target_name_;
  StepRecord step_;
  platform::File source_;
  platform::File target_;
};

}  // namespace vx::transfer
