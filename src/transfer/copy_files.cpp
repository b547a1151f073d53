#include "transfer/copy_files.hpp"

#include "transfer/console_prompts.hpp"
#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

void show_failure(Session& run, std::string_view line, bool wait_for_key) {
  failure_line(run, line);
  if (wait_for_key) read_key(run);
}

bool shown_outside_tree(Session& run, const platform::File& file, std::string_view path) {
  if (file.error() != platform::kOutsideTree) return false;
  failure_line(run, msg::kOutsideTree + path);
  return true;
}

void show_copy_start(Session& run, std::string_view line) {
  set_colour(run, kCopyStarts);
  print_line(run, line);
  set_colour(run, kNormal);
}

bool CopyFiles::open_source() {
  if (source_.open(source_name_, platform::File::Mode::kRead)) return true;
  if (!shown_outside_tree(run_, source_, source_name_)) show_failure(run_, msg::kOpenFailed + source_name_);
  return false;
}

bool CopyFiles::open_target(bool append) {
  using Mode = platform::File::Mode;
  if (target_.open(target_name_, append ? Mode::kExtend : Mode::kReplace)) return true;
  if (shown_outside_tree(run_, target_, target_name_)) {
    source_.close();
    return false;
  }
  failure_line(run_, msg::kCreateFailed + target_name_);
  source_.close();
  read_key(run_);
  return false;
}

bool CopyFiles::close(bool sound) {
  if (!source_.close()) show_failure(run_, msg::kCloseFailed + source_name_);
  if (!sound) {
    target_.discard();
    return false;
  }
  if (target_.close()) return true;
  show_failure(run_, msg::kCloseFailed + target_name_);
  return false;
}

}  // namespace vx::transfer
