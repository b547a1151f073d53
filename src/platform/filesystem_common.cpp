#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <random>

#include "charset/polish.hpp"
#include "platform/fault_injection.hpp"
#include "platform/filesystem.hpp"

#include "platform/change_journal.hpp"
#include "platform/filesystem_internal.hpp"
#include "platform/staged_folder.hpp"

// The parts of the file layer that stdio gives alike on every system.
namespace vx::platform {

namespace {
constexpr std::size_t kFileBuffer = 1 << 16;
}  // namespace

namespace testing {
namespace {
std::array<int, static_cast<std::size_t>(Fault::kCount)> armed{};
}  // namespace

void fail_after(Fault kind, int n) { armed[static_cast<std::size_t>(kind)] = n; }
void clear_faults() { armed.fill(0); }

bool fault_now(Fault kind) {
  int& left = armed[static_cast<std::size_t>(kind)];
  return left > 0 && --left == 0;
}
}  // namespace testing

int error_from_errno(int e) {
  switch (e) {
    case 0: return kOk;
    case ENOENT: return kFileNotFound;
    case ENOTDIR: return kPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case ELOOP:  // a link where only the entry itself would do
    case EROFS: return kAccessDenied;
    case EAGAIN: return kLockViolation;
    case ENOSPC: return kDiskFull;
    case ENAMETOOLONG:
    case EILSEQ: return kBadFormat;
    default: return kOtherError;
  }
}

std::string whole_file_temp_name() {
  // Counting on from a random start: two runs in one folder seldom meet,
  // and the exclusive create settles it when they do.
  static std::uint32_t next = std::random_device{}();
  char name[32];
  std::snprintf(name, sizeof name, "~vx1718.%08x.tmp", static_cast<unsigned>(next++));
  return name;
}

bool refused_name(std::string_view name) {
  return name.empty() || name == "." || name == ".." || name.find_first_of("\\/") != std::string_view::npos;
}

void sort_entries(std::vector<DirEntry>& entries) {
  std::sort(entries.begin(), entries.end(), [](const DirEntry& a, const DirEntry& b) {
    return charset::upper_text(a.name) < charset::upper_text(b.name);
  });
}

std::string_view last_component(std::string_view path) {
  const auto p = path.find_last_of("\\/");
  return p == std::string_view::npos ? path : path.substr(p + 1);
}

File::File(File&& other) noexcept { *this = std::move(other); }

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    discard();
    fp_ = other.fp_;
    buffer_ = std::move(other.buffer_);
    error_ = other.error_;
    failed_ = other.failed_;
    write_failed_ = other.write_failed_;
    written_to_ = other.written_to_;
    journaled_ = std::move(other.journaled_);
    temporary_ = std::move(other.temporary_);
    target_ = std::move(other.target_);
    writing_ = other.writing_;
    reading_ = other.reading_;
    locks_ = std::move(other.locks_);
    other.fp_ = nullptr;
    other.journaled_.clear();
    other.temporary_.clear();
    other.target_.clear();
  }
  return *this;
}

File::~File() { discard(); }

bool File::opened(Mode mode) {
  if (!buffer_) buffer_ = PooledBuffer(kFileBuffer);
  std::setvbuf(fp_, reinterpret_cast<char*>(buffer_.data()), _IOFBF, buffer_.size());
  error_ = kOk;
  return mode != Mode::kAppend || seek_end();
}

bool File::journal_open(std::string_view path, Mode mode) {
  journaled_.clear();
  ChangeJournal* journal = change_journal();
  if (!journal || mode == Mode::kRead) return true;
  // A company's staging folder is new to the run: what is in it, the run made.
  const bool existing = !inside_staging(path) && [&] {
    const auto entry = find_entry(path);
    return entry && !entry->is_dir;
  }();
  const bool whole = mode == Mode::kReplace || mode == Mode::kExtend;
  const bool kept = existing ? journal->before_change(path, !whole) : journal->before_create(path);
  if (!kept) {
    error_ = kOtherError;
    return false;
  }
  journaled_ = path;
  return true;
}

bool File::take_existing(std::string_view path) {
  File old;
  if (!old.open(path, Mode::kRead)) {
    if (old.error() == kFileNotFound) return true;  // nothing yet to extend
    error_ = old.error();
    return false;
  }
  // Straight from stream to stream: these are no reads or writes of the
  // caller's. Not through buffer_: the stream holds that one.
  const PooledBuffer block(kFileBuffer);
  for (;;) {
    const std::size_t n = std::fread(block.data(), 1, block.size(), old.fp_);
    if (n < block.size() && std::ferror(old.fp_)) {
      error_ = error_from_errno(errno);
      return false;
    }
    if (n > 0 && std::fwrite(block.data(), 1, n, fp_) < n) {
      error_ = error_from_errno(errno);
      return false;
    }
    if (n < block.size()) return true;
  }
}

std::size_t File::read(void* buffer, std::size_t length) {
  if (!fp_) {
    failed_ = true;
    return 0;
  }
  if (testing::fault_now(testing::Fault::kRead)) {
    failed_ = true;
    error_ = kOtherError;
    return 0;
  }
  if (writing_) std::fseek(fp_, 0, SEEK_CUR);
  writing_ = false;
  reading_ = true;
  const std::size_t n = std::fread(buffer, 1, length, fp_);
  if (n < length && std::ferror(fp_)) {
    failed_ = true;
    error_ = error_from_errno(errno);
  }
  return n;
}

std::size_t File::write(const void* buffer, std::size_t length) {
  if (!fp_) {
    failed_ = true;
    return 0;
  }
  if (testing::fault_now(testing::Fault::kWrite)) {
    failed_ = write_failed_ = true;
    error_ = kDiskFull;
    return 0;
  }
  if (reading_) std::fseek(fp_, 0, SEEK_CUR);
  reading_ = false;
  writing_ = true;
  const std::size_t n = std::fwrite(buffer, 1, length, fp_);
  if (n < length) {
    failed_ = write_failed_ = true;
    error_ = error_from_errno(errno);
  }
  return n;
}

bool File::flush() {
  if (!fp_) return false;
  // Handed to the operating system, where every other station sees it.
  return std::fflush(fp_) == 0;
}

bool File::close() {
  if (!fp_) return false;
  // Taken from the open file: no second look-up of its name.
  const auto stamp = journaled_.empty() ? std::nullopt : this->stamp();
  bool ok = std::fclose(fp_) == 0;
  fp_ = nullptr;
  locks_.clear();  // closing the file gave them up
  if (!ok) error_ = error_from_errno(errno);
  if (ok && written_to_ && testing::fault_now(testing::Fault::kClose)) {
    ok = false;
    error_ = kDiskFull;
  }
  if (!temporary_.empty()) {
    // A whole file goes in place only as written: a failed write leaves a
    // gap in it even when the close went well.
    ok = ok && !write_failed_ && put_in_place();
    if (!ok) remove_temporary();
    temporary_.clear();
    target_.clear();
  }
  if (!journaled_.empty()) {
    if (ok && stamp && change_journal()) change_journal()->written(journaled_, *stamp);
    journaled_.clear();
  }
  return ok;
}

void File::discard() {
  journaled_.clear();
  if (fp_) std::fclose(fp_);
  fp_ = nullptr;
  locks_.clear();
  if (!temporary_.empty()) remove_temporary();
  temporary_.clear();
  target_.clear();
}

std::optional<std::string> read_whole_file(std::string_view path) {
  File f;
  if (!f.open(path, File::Mode::kRead)) return std::nullopt;
  std::string out;
  char buf[1 << 14];
  for (;;) {
    const std::size_t n = f.read(buf, sizeof buf);
    out.append(buf, n);
    if (f.failed()) return std::nullopt;
    if (n < sizeof buf) break;
  }
  return out;
}

bool write_whole_file(std::string_view path, std::string_view bytes) {
  File f;
  if (!f.open(path, File::Mode::kReplace)) return false;
  if (f.write(bytes.data(), bytes.size()) < bytes.size()) return false;  // given up with f
  return f.close();
}

bool remove_whole_file_leftovers(std::string_view folder) {
  bool all = true;
  std::string dir(folder);
  if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += kSeparator;
  for (const auto& e : list_directory(folder, kWholeFileTempMask).entries)
    if (!e.is_dir && !remove_file(dir + e.name)) all = false;
  return all;
}

}  // namespace vx::platform
