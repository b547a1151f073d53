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

void copy_text_file(Run& run, std::string_view source, std::string_view target, LineFilter filter) {
  if (file_size_of(source) == 0) return;
  platform::File in;
  if (!in.open(source, platform::File::Mode::kRead)) {
    show_failure(run, msg::kOpenFailed + source);
    return;
  }
  if (file_size_of(target) > 0 && keep_existing(run, target)) return;
  platform::File out;
  if (!out.open(target, platform::File::Mode::kCreate)) {
    set_colour(run, kError);
    print_line(run, msg::kTextCreateFailed + target);
    set_colour(run, kNormal);
    in.close();
    read_key(run);
    return;
  }
  show_copy_start(run, msg::kCopyingTextFile + source);

  LineReader lines(in);
  std::string line;
  bool written = true;
  for (;;) {
    const auto got = lines.next(line);
    if (got == LineReader::kEnd) break;
    if (got == LineReader::kFailed) {
      show_failure(run, msg::kTextReadFailed + source, false);
      break;
    }
    charset::conversion_map(run.cs).apply(line);
    if (filter && !filter(run, line)) continue;
    line += "\r\n";
    if (out.write(line.data(), line.size()) < line.size()) {
      show_failure(run, msg::kTextWriteFailed + target, false);
      written = false;
      break;
    }
  }
  in.close();
  // The lines are buffered: a write that fails only when the buffer goes
  // out at closing is still a failed write.
  if (!out.close() && written) show_failure(run, msg::kTextWriteFailed + target, false);
}

}  // namespace vx::transfer
