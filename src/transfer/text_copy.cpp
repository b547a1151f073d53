#include "transfer/text_copy.hpp"

#include <array>
#include <string>

#include "charset/polish.hpp"
#include "platform/filesystem.hpp"
#include "transfer/console_prompts.hpp"
#include "transfer/copy_files.hpp"
#include "transfer/overwrite_question.hpp"
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

void copy_text_file(Session& run, std::string_view source, std::string_view target, LineFilter filter) {
  if (file_size_of(source) == 0) return;
  platform::File in;
  if (!in.open(source, platform::File::Mode::kRead)) {
    if (!shown_outside_tree(run, in, source)) show_failure(run, msg::kOpenFailed + source);
    return;
  }
  if (file_size_of(target) > 0 && keep_existing(run, target)) return;
  platform::File out;
  if (!out.open(target, platform::File::Mode::kReplace)) {
    in.close();
    if (!shown_outside_tree(run, out, target)) show_failure(run, msg::kTextCreateFailed + target);
    return;
  }
  show_copy_start(run, msg::kCopyingTextFile + source);

  LineReader lines(in);
  std::string line;
  for (;;) {
    const auto got = lines.next(line);
    if (got == LineReader::kEnd) break;
    if (got == LineReader::kFailed) {
      // A file cut short is no copy: the previous target stays.
      show_failure(run, msg::kTextReadFailed + source, false);
      in.close();
      out.discard();
      return;
    }
    charset::conversion_map(run.cs).apply(line);
    if (filter && !filter(run, line)) continue;
    line += "\r\n";
    if (out.write(line.data(), line.size()) < line.size()) {
      show_failure(run, msg::kTextWriteFailed + target, false);
      in.close();
      out.discard();
      return;
    }
  }
  in.close();
  // The lines are buffered and the file is put in place at closing: a full
  // disk may show only there, and is still a failed write.
  if (!out.close()) show_failure(run, msg::kTextWriteFailed + target, false);
}

}  // namespace vx::transfer
