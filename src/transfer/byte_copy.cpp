#include "transfer/byte_copy.hpp"

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "charset/polish.hpp"
#include "transfer/console_prompts.hpp"
#include "transfer/copy_files.hpp"
#include "transfer/overwrite_question.hpp"
#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

namespace {
constexpr std::size_t kBlockSize = 2048;
}

bool copy_bytes(Session& run, std::string_view source, std::string_view target, bool convert) {
  const std::uint64_t size = file_size_of(source);
  if (size == 0) return true;
  if (file_size_of(target) > 0 && keep_existing(run, target)) return true;

  CopyFiles files(run, source, target);
  if (!files.open_source() || !files.open_target(false)) return false;
  show_copy_start(run,
                  msg::kCopyingBytes + source + "  " + std::to_string(size) + msg::kBytesSuffix);

  std::array<std::uint8_t, kBlockSize> block;
  bool sound = true;
  for (;;) {
    const std::size_t read = files.source().read(block.data(), block.size());
    if (files.source().failed()) {
      show_failure(run, msg::kReadFailed);
      sound = false;
      break;
    }
    if (read == 0) break;
    if (convert && !run.cs.no_char_conversion())
      charset::convert_buffer(run.cs, std::span(block.data(), read));
    const std::size_t written = files.target().write(block.data(), read);
    if (written < read) {
      show_failure(run, msg::kWriteFailed);
      sound = false;
      break;
    }
  }

  const bool closed = files.close(sound);
  pause_if_slow(run);
  return closed;
}

}  // namespace vx::transfer
