#include <cerrno>

#include "platform/file_errors.hpp"
#include "platform/filesystem.hpp"

// The parts of the file layer that stdio gives alike on every system.
namespace vx::platform {

namespace {
constexpr std::size_t kFileBuffer = 1 << 16;
}  // namespace

int error_from_errno(int e) {
  switch (e) {
    case 0: return kOk;
    case ENOENT: return kFileNotFound;
    case ENOTDIR: return kPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return kAccessDenied;
    case EAGAIN: return kLockViolation;
    case ENOSPC: return kDiskFull;
    case ENAMETOOLONG:
    case EILSEQ: return kBadFormat;
    default: return kOtherError;
  }
}

std::string_view last_component(std::string_view path) {
  const auto p = path.find_last_of("\\/");
  return p == std::string_view::npos ? path : path.substr(p + 1);
}

File::File(File&& other) noexcept { *this = std::move(other); }

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    if (fp_) std::fclose(fp_);
    fp_ = other.fp_;
    buffer_ = std::move(other.buffer_);
    error_ = other.error_;
    failed_ = other.failed_;
    writing_ = other.writing_;
    reading_ = other.reading_;
    locks_ = std::move(other.locks_);
    other.fp_ = nullptr;
  }
  return *this;
}

File::~File() {
  if (fp_) std::fclose(fp_);
}

bool File::opened(Mode mode) {
  if (!buffer_) buffer_ = PooledBuffer(kFileBuffer);
  std::setvbuf(fp_, reinterpret_cast<char*>(buffer_.data()), _IOFBF, buffer_.size());
  error_ = kOk;
  return mode != Mode::kAppend || seek_end();
}

std::size_t File::read(void* buffer, std::size_t length) {
  if (!fp_) {
    failed_ = true;
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
  if (reading_) std::fseek(fp_, 0, SEEK_CUR);
  reading_ = false;
  writing_ = true;
  const std::size_t n = std::fwrite(buffer, 1, length, fp_);
  if (n < length) {
    failed_ = true;
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
  const bool ok = std::fclose(fp_) == 0;
  fp_ = nullptr;
  locks_.clear();  // closing the file gave them up
  if (!ok) error_ = error_from_errno(errno);
  return ok;
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
  if (!f.open(path, File::Mode::kCreate)) return false;
  const bool wrote = f.write(bytes.data(), bytes.size()) == bytes.size();
  return f.close() && wrote;
}

}  // namespace vx::platform
