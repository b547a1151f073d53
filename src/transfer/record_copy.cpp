#include "transfer/record_copy.hpp"

#include <cassert>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "charset/polish.hpp"
#include "transfer/console_prompts.hpp"
#include "transfer/copy_files.hpp"
#include "transfer/overwrite_question.hpp"
#include "transfer/record_blocks.hpp"
#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

namespace {

// The opening shared by both record copies. Gives the copy's result when it
// ends here (missing source, kept target, a file that would not open);
// nothing when the records are to be carried.
std::optional<bool> start_record_copy(Session& run, CopyFiles& files, std::uint16_t record_length) {
  const std::uint64_t size = file_size_of(files.source_name());
  if (size == 0) {
    set_colour(run, kOffered);
    print_line(run, msg::kNoSourceFile + files.source_name());
    set_colour(run, kNormal);
    pause_if_slow(run);
    return true;
  }
  bool append = false;
  if (file_size_of(files.target_name()) > 0) {
    if (run.transfer.append_mode)
      append = true;
    else if (keep_existing(run, files.target_name()))
      return false;
  }
  if (!files.open_source() || !files.open_target(append)) return false;
  show_copy_start(run, msg::kCopyingRecords + files.source_name() + "  " +
                           std::to_string(size / record_length) + msg::kRecordsSuffix);
  return std::nullopt;
}

// Writes the kept records of a block; false (shown) when they did not all
// go out.
bool write_kept(Session& run, CopyFiles& files, const std::uint8_t* bytes, std::size_t length) {
  if (length == 0 || files.target().write(bytes, length) == length) return true;
  show_failure(run, msg::kWriteFailed);
  return false;
}

bool finish_record_copy(Session& run, CopyFiles& files, bool sound) {
  const bool closed = files.close(sound);
  pause_if_slow(run);
  return closed;
}

}  // namespace

bool copy_records(Session& run, std::string_view source, std::string_view target,
                  std::uint16_t record_length, SameSizeConverter converter) {
  assert(record_length > 0);
  // Counts every record read (and the empty read at the end of the file) and
  // every record written; the document numbering reads it.
  auto& counter = run.transfer.record_counter;
  counter = 1;
  CopyFiles files(run, source, target);
  if (const auto ended = start_record_copy(run, files, record_length)) return *ended;

  RecordBlocks blocks(files.source(), record_length);
  for (;;) {
    blocks.next();
    // Kept records move to the front of the block, each as long as it was read.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < blocks.count(); ++i) {
      ++counter;
      const auto record = blocks.record(i);
      const std::size_t length = blocks.length_read(i);
      if (converter) {
        if (!converter(run, RecordView(record))) continue;
      } else if (!run.cs.no_char_conversion()) {
        charset::convert_buffer(run.cs, record.first(length));
      }
      if (blocks.data() + kept != record.data())
        std::memmove(blocks.data() + kept, record.data(), length);
      kept += length;
      ++counter;
    }
    if (!write_kept(run, files, blocks.data(), kept)) return finish_record_copy(run, files, false);
    if (blocks.failed() || blocks.at_end()) ++counter;
    if (blocks.failed()) {
      show_failure(run, msg::kReadFailed);
      return finish_record_copy(run, files, false);
    }
    if (blocks.at_end()) return finish_record_copy(run, files, true);
  }
}

bool convert_records(Session& run, std::string_view source, std::string_view target,
                     std::uint16_t old_length, std::uint16_t new_length,
                     TwoSizeConverter converter) {
  assert(old_length > 0 && new_length > 0);
  CopyFiles files(run, source, target);
  if (const auto ended = start_record_copy(run, files, old_length)) return *ended;
  pause_if_slow(run);

  RecordBlocks blocks(files.source(), old_length);
  // Each new record is zeroed before it is built; the rest stays unfilled.
  const std::size_t fresh_size = blocks.records_per_block() * new_length;
  const auto fresh_bytes = std::make_unique_for_overwrite<std::uint8_t[]>(fresh_size);
  const std::span<std::uint8_t> fresh(fresh_bytes.get(), fresh_size);
  for (;;) {
    blocks.next();
    std::size_t kept = 0;
    for (std::size_t i = 0; converter && i < blocks.count(); ++i) {
      const auto new_record = std::span(fresh).subspan(kept, new_length);
      std::memset(new_record.data(), 0, new_record.size());
      if (converter(run, ConstRecordView(blocks.record(i)), RecordView(new_record)))
        kept += new_length;
    }
    if (!write_kept(run, files, fresh.data(), kept)) return finish_record_copy(run, files, false);
    if (blocks.failed()) {
      show_failure(run, msg::kReadFailed);
      return finish_record_copy(run, files, false);
    }
    if (blocks.at_end()) return finish_record_copy(run, files, true);
  }
}

}  // namespace vx::transfer
