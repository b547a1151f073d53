#include "transfer/copy_files.hpp"

#include "transfer/console_prompts.hpp"
#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

void show_failure(Run& run, std::string_view line, bool wait_for_key) {
  set_colour(run, kError);
  print_line(run, line);
  set_colour(run, kNormal);
  if (wait_for_key) read_key(run);
}

void show_copy_start(Run& run, std::string_view line) {
  set_colour(run, kCopyStarts);
  print_line(run, line);
  set_colour(run, kNormal);
}

bool CopyFiles::open_source() {
  if (source_.open(source_name_, platform::File::Mode::kRead)) return true;
  show_failure(run_, msg::kOpenFailed + source_name_);
  return false;
}

bool CopyFiles::open_target(bool append) {
  using Mode = platform::File::Mode;
  if (target_.open(target_name_, append ? Mode::kAppend : Mode::kCreate)) return true;
  set_colour(run_, kError);
  print_line(run_, msg::kCreateFailed + target_name_);
  set_colour(run_, kNormal);
  source_.close();
  read_key(run_);
  return false;
}

bool CopyFiles::close() {
  if (!source_.close()) show_failure(run_, msg::kCloseFailed + source_name_);
  if (target_.close()) return true;
  show_failure(run_, msg::kCloseFailed + target_name_);
  return false;
}

}  // namespace vx::transfer
