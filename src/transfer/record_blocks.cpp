#include "transfer/record_blocks.hpp"

#include <algorithm>
#include <cstring>

#include "platform/stop_request.hpp"

namespace vx::transfer {

namespace {
constexpr std::size_t kBlockBytes = 256 * 1024;
}

RecordBlocks::RecordBlocks(platform::File& file, std::size_t record_length)
    : file_(file),
      record_length_(record_length),
      size_(std::max<std::size_t>(1, kBlockBytes / record_length) * record_length),
      buffer_(size_) {}

void RecordBlocks::next() {
  // Between two blocks a requested stop is safe: the target is a temporary.
  platform::stop_if_requested();
  const std::size_t read = file_.read(buffer_.data(), size_);
  failed_ = file_.failed();
  at_end_ = read < size_;
  count_ = read / record_length_;
  last_length_ = record_length_;
  const std::size_t rest = read % record_length_;
  // A part of a record before a failed read is not a record.
  if (rest == 0 || failed_) return;
  std::memset(buffer_.data() + read, 0, record_length_ - rest);
  ++count_;
  last_length_ = rest;
}

}  // namespace vx::transfer
