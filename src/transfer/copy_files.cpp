#include "transfer/copy_files.hpp"

#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

void CopyFiles::fail(std::string_view line, bool wait_for_key) {
  step_.failed(line);
  copier_.talk.failure(line);
  if (wait_for_key) copier_.talk.acknowledge();
}

bool CopyFiles::shown_outside_tree(const platform::File& file, std::string_view path) {
  if (file.error() != platform::kOutsideTree) return false;
  step_.ended(dialogue::Outcome::kRefused);
  copier_.talk.failure(msg::kOutsideTree + path);
  return true;
}

bool CopyFiles::open_source() {
  if (source_.open(source_name_, platform::File::Mode::kRead)) return true;
  if (!shown_outside_tree(source_, source_name_)) fail(msg::kOpenFailed + source_name_);
  return false;
}

bool CopyFiles::open_target(bool append) {
  using Mode = platform::File::Mode;
  if (target_.open(target_name_, append ? Mode::kExtend : Mode::kReplace)) return true;
  if (shown_outside_tree(target_, target_name_)) {
    source_.close();
    return false;
  }
  step_.failed(msg::kCreateFailed + target_name_);
  copier_.talk.failure(msg::kCreateFailed + target_name_);
  source_.close();
  copier_.talk.acknowledge();
  return false;
}

bool CopyFiles::close(bool sound) {
  if (!source_.close()) fail(msg::kCloseFailed + source_name_);
  if (!sound) {
    target_.discard();
    return false;
  }
  if (target_.close()) return true;
  fail(msg::kCloseFailed + target_name_);
  return false;
}

}  // namespace vx::transfer
