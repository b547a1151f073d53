#pragma once
// The source and the target of one byte or record copy, opened and closed
// with the lines the operator sees when that fails.
#include <string>
#include <string_view>

#include "driver/run.hpp"
#include "platform/filesystem.hpp"

namespace vx::transfer {

// A failure line in light red, back to the normal colour, then a key wait
// unless the caller goes on at once.
void show_failure(Run& run, std::string_view line, bool wait_for_key = true);
// The light blue line that announces a copy.
void show_copy_start(Run& run, std::string_view line);

class CopyFiles {
 public:
  CopyFiles(Run& run, std::string_view source_name, std::string_view target_name)
      : run_(run), source_name_(source_name), target_name_(target_name) {}

  // Opens the source for reading; shows the failure and waits for a key.
  bool open_source();
  // Creates (empties) the target, or opens it at its end when appending; on
  // failure shows it, closes the source and waits for a key.
  bool open_target(bool append);
  // Closes both files, showing each failure with a key wait. True when the
  // target was closed cleanly.
  bool close();

  platform::File& source() { return source_; }
  platform::File& target() { return target_; }
  std::string_view source_name() const { return source_name_; }
  std::string_view target_name() const { return target_name_; }

 private:
  Run& run_;
  std::string_view source_name_;
  std::string_view target_name_;
  platform::File source_;
  platform::File target_;
};

}  // namespace vx::transfer
