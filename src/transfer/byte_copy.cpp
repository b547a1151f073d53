#include "transfer/byte_copy.hpp"

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "charset/polish.hpp"
#include "transfer/copy_files.hpp"
#include "transfer/file_presence.hpp"
#include "transfer/overwrite_question.hpp"
#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

namespace {
constexpr std::size_t kBlockSize = 2048;
}

bool copy_bytes(Copier& copier, std::string_view source, std::string_view target, bool convert) {
  CopyFiles files(copier, source, target);
  const std::uint64_t size = file_size_of(source);
  if (size == 0) {
    files.step().ended(dialogue::Outcome::kMissing);
    return true;
  }
  if (file_size_of(target) > 0 && keep_existing(copier, target)) {
    files.step().ended(dialogue::Outcome::kKept);
    return true;
  }

  if (!files.open_source() || !files.open_target(false)) return false;
  copier.talk.line(msg::kCopyingBytes + source + "  " + std::to_string(size) + msg::kBytesSuffix,
                   dialogue::Tone::kCopyStarts);

  std::array<std::uint8_t, kBlockSize> block;
  bool sound = true;
  for (;;) {
    const std::size_t read = files.source().read(block.data(), block.size());
    if (files.source().failed()) {
      files.fail(msg::kReadFailed);
      sound = false;
      break;
    }
    if (read == 0) break;
    if (convert && !copier.cs.no_char_conversion())
      charset::convert_buffer(copier.cs, std::span(block.data(), read));
    const std::size_t written = files.target().write(block.data(), read);
    if (written < read) {
      files.fail(msg::kWriteFailed);
      sound = false;
      break;
    }
    files.step().wrote_bytes(written);
  }

  const bool closed = files.close(sound);
  copier.talk.pause_if_slow();
  return closed;
}

}  // namespace vx::transfer
