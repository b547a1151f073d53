#include "transfer/record_copy.hpp"

#include <cassert>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "charset/polish.hpp"
#include "transfer/copy_files.hpp"
#include "transfer/file_presence.hpp"
#include "transfer/overwrite_question.hpp"
#include "transfer/record_blocks.hpp"
#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

namespace {

// The opening shared by both record copies. Gives the copy's result when it
// ends here (missing source, kept target, a file that would not open);
// nothing when the records are to be carried.
std::optional<bool> start_record_copy(Copier& copier, CopyFiles& files, std::uint16_t record_length,
                                      Existing existing) {
  const std::uint64_t size = file_size_of(files.source_name());
  if (size == 0) {
    files.step().ended(dialogue::Outcome::kMissing);
    copier.talk.line(msg::kNoSourceFile + files.source_name(), dialogue::Tone::kWarning);
    copier.talk.pause_if_slow();
    return true;
  }
  bool append = false;
  if (file_size_of(files.target_name()) > 0) {
    if (existing == Existing::kAppend) {
      append = true;
    } else if (keep_existing(copier, files.target_name())) {
      files.step().ended(dialogue::Outcome::kKept);
      return false;
    }
  }
  if (!files.open_source() || !files.open_target(append)) return false;
  copier.talk.line(msg::kCopyingRecords + files.source_name() + "  " + std::to_string(size / record_length) +
                       msg::kRecordsSuffix,
                   dialogue::Tone::kCopyStarts);
  return std::nullopt;
}

// Writes the kept records of a block; false (shown) when they did not all
// go out.
bool write_kept(CopyFiles& files, const std::uint8_t* bytes, std::size_t length) {
  if (length == 0 || files.target().write(bytes, length) == length) return true;
  files.fail(msg::kWriteFailed);
  return false;
}

bool finish_record_copy(Copier& copier, CopyFiles& files, bool sound) {
  const bool closed = files.close(sound);
  copier.talk.pause_if_slow();
  return closed;
}

}  // namespace

bool copy_records(Copier& copier, std::string_view source, std::string_view target,
                  std::uint16_t record_length, SameSizeConverter converter) {
  assert(record_length > 0);
  CopyFiles files(copier, source, target);
  if (const auto ended = start_record_copy(copier, files, record_length, Existing::kAsk)) return *ended;

  RecordBlocks blocks(files.source(), record_length);
  for (;;) {
    blocks.next();
    // Kept records move to the front of the block, each as long as it was read.
    std::size_t kept = 0;
    std::size_t written = 0;
    for (std::size_t i = 0; i < blocks.count(); ++i) {
      const auto record = blocks.record(i);
      const std::size_t length = blocks.length_read(i);
      if (converter) {
        if (!converter(RecordView(record))) continue;
      } else if (!copier.cs.no_char_conversion()) {
        charset::convert_buffer(copier.cs, record.first(length));
      }
      if (blocks.data() + kept != record.data())
        std::memmove(blocks.data() + kept, record.data(), length);
      kept += length;
      ++written;
    }
    files.step().read_records(blocks.count());
    if (!write_kept(files, blocks.data(), kept)) return finish_record_copy(copier, files, false);
    files.step().wrote_records(written);
    files.step().wrote_bytes(kept);
    if (blocks.failed()) {
      files.fail(msg::kReadFailed);
      return finish_record_copy(copier, files, false);
    }
    if (blocks.at_end()) return finish_record_copy(copier, files, true);
  }
}

bool convert_records(Copier& copier, std::string_view source, std::string_view target,
                     std::uint16_t old_length, std::uint16_t new_length, TwoSizeConverter converter,
                     Existing existing) {
  assert(old_length > 0 && new_length > 0);
  CopyFiles files(copier, source, target);
  if (const auto ended = start_record_copy(copier, files, old_length, existing)) return *ended;
  copier.talk.pause_if_slow();

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
      if (converter(ConstRecordView(blocks.record(i)), RecordView(new_record))) kept += new_length;
    }
    files.step().read_records(blocks.count());
    if (!write_kept(files, fresh.data(), kept)) return finish_record_copy(copier, files, false);
    files.step().wrote_records(kept / new_length);
    files.step().wrote_bytes(kept);
    if (blocks.failed()) {
      files.fail(msg::kReadFailed);
      return finish_record_copy(copier, files, false);
    }
    if (blocks.at_end()) return finish_record_copy(copier, files, true);
  }
}

}  // namespace vx::transfer
