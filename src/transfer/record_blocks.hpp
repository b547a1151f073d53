#pragma once
// A record file read a block of records at a time: one read brings many
// records into one buffer, so millions of records cost a few thousand reads.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/filesystem.hpp"

namespace vx::transfer {

class RecordBlocks {
 public:
  RecordBlocks(platform::File& file, std::size_t record_length);

  // Reads the next block. Its records are whole but for a short last record
  // at the end of the file, whose missing tail is zeroed so that it never
  // carries bytes of another record.
  void next();

  std::size_t count() const { return count_; }
  // Record i of the block, always a whole record length.
  std::span<std::uint8_t> record(std::size_t i) {
    return std::span(buffer_.data() + i * record_length_, record_length_);
  }
  // Bytes of record i that came from the file.
  std::size_t length_read(std::size_t i) const {
    return i + 1 == count_ ? last_length_ : record_length_;
  }
  // The block buffer itself, for compacting kept records in place.
  std::uint8_t* data() { return buffer_.data(); }
  std::size_t records_per_block() const { return size_ / record_length_; }

  // The file ended with this block (or nothing more could be read).
  bool at_end() const { return at_end_; }
  // The read behind this block failed; the records before it are given.
  bool failed() const { return failed_; }

 private:
  platform::File& file_;
  std::size_t record_length_;
  // Left unfilled: only the bytes read are ever used, and most files are far
  // smaller than a block, so zeroing it would cost more than their copy.
  std::size_t size_;
  platform::PooledBuffer buffer_;
  std::size_t count_ = 0;
  std::size_t last_length_ = 0;
  bool at_end_ = false;
  bool failed_ = false;
};

}  // namespace vx::transfer
