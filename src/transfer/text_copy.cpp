#include "transfer/text_copy.hpp"

#include <array>
#include <string>

#include "charset/polish.hpp"
#include "platform/filesystem.hpp"
#include "transfer/file_presence.hpp"
#include "transfer/overwrite_question.hpp"
#include "transfer/step_record.hpp"
#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

namespace {

// Lines of a text file ended by CR LF, LF or CR, each whole however long:
// a line cut at 255 characters would lose the end of a setting.
class LineReader {
 public:
  explicit LineReader(platform::File& file) : file_(file) {}

  enum Result { kLine, kEnd, kFailed };

  Result next(std::string& line) {
    line.clear();
    int c = take();
    if (c < 0) return c == kEof ? kEnd : kFailed;
    while (c >= 0 && c != '\n' && c != '\r') {
      line += static_cast<char>(c);
      c = take();
    }
    if (c == kError) return kFailed;
    if (c == '\r' && peek() == '\n') take();
    return kLine;
  }

 private:
  static constexpr int kEof = -1;
  static constexpr int kError = -2;

  int peek() {
    if (pos_ == end_ && !fill()) return failed_ ? kError : kEof;
    return static_cast<unsigned char>(buffer_[pos_]);
  }
  int take() {
    const int c = peek();
    if (c >= 0) ++pos_;
    return c;
  }
  bool fill() {
    if (failed_) return false;
    end_ = file_.read(buffer_.data(), buffer_.size());
    pos_ = 0;
    failed_ = file_.failed();
    return !failed_ && end_ > 0;
  }

  platform::File& file_;
  std::array<char, 8192> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool failed_ = false;
};

}  // namespace

void copy_text_file(Copier& copier, std::string_view source, std::string_view target, LineFilter filter) {
  StepRecord step(copier.talk, source, target);
  // A failure in light red on a line of its own; key wait unless the copy
  // gives up at once.
  auto fail = [&](const std::string& line, bool wait_for_key) {
    step.failed(line);
    copier.talk.failure(line);
    if (wait_for_key) copier.talk.acknowledge();
  };
  // A path leading out of the data trees: one line, no key wait.
  auto refused = [&](const platform::File& f, std::string_view path) {
    if (f.error() != platform::kOutsideTree) return false;
    step.ended(dialogue::Outcome::kRefused);
    copier.talk.failure(msg::kOutsideTree + path);
    return true;
  };
  if (file_size_of(source) == 0) {
    step.ended(dialogue::Outcome::kMissing);
    return;
  }
  platform::File in;
  if (!in.open(source, platform::File::Mode::kRead)) {
    if (!refused(in, source)) fail(msg::kOpenFailed + source, true);
    return;
  }
  if (file_size_of(target) > 0 && keep_existing(copier, target)) {
    step.ended(dialogue::Outcome::kKept);
    return;
  }
  platform::File out;
  if (!out.open(target, platform::File::Mode::kReplace)) {
    in.close();
    if (!refused(out, target)) fail(msg::kTextCreateFailed + target, true);
    return;
  }
  copier.talk.line(msg::kCopyingTextFile + source, dialogue::Tone::kCopyStarts);

  LineReader lines(in);
  std::string line;
  for (;;) {
    const auto got = lines.next(line);
    if (got == LineReader::kEnd) break;
    if (got == LineReader::kFailed) {
      // A file cut short is no copy: the previous target stays.
      fail(msg::kTextReadFailed + source, false);
      in.close();
      out.discard();
      return;
    }
    charset::conversion_map(copier.cs).apply(line);
    if (filter && !filter(line)) continue;
    line += "\r\n";
    if (out.write(line.data(), line.size()) < line.size()) {
      fail(msg::kTextWriteFailed + target, false);
      in.close();
      out.discard();
      return;
    }
    step.wrote_bytes(line.size());
  }
  in.close();
  // The lines are buffered and the file is put in place at closing: a full
  // disk may show only there, and is still a failed write.
  if (!out.close()) fail(msg::kTextWriteFailed + target, false);
}

}  // namespace vx::transfer
