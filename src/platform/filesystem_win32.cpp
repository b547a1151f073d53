#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>

#include "charset/polish.hpp"
#include "platform/file_errors.hpp"
#include "platform/filesystem.hpp"
#include "platform/staged_folder.hpp"
#include "platform/win32_text.hpp"

// Windows itself finds names without regard to case, takes either separator
// and knows the drive letters: paths go to the system as they are given.
namespace vx::platform {

namespace {

int error_from_system(DWORD e) {
  switch (e) {
    case ERROR_SUCCESS: return kOk;
    case ERROR_FILE_NOT_FOUND: return kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_DRIVE: return kPathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return kAccessDenied;
    // Characters the system refuses in a name, or a name longer than it
    // takes: as the too long name on Linux.
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE: return kBadFormat;
    case ERROR_SHARING_VIOLATION: return kSharingViolation;
    case ERROR_LOCK_VIOLATION: return kLockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL: return kDiskFull;
    default: return kOtherError;
  }
}

std::wstring wide(std::string_view path) { return win32::to_wide(native_path(path)); }

bool is_dots(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

std::uint64_t entry_size(DWORD attributes, DWORD high, DWORD low) {
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
  return (static_cast<std::uint64_t>(high) << 32) | low;
}

HANDLE handle_of(std::FILE* fp) {
  return reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(fp)));
}

OVERLAPPED at_offset(std::uint64_t offset) {
  OVERLAPPED o{};
  o.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  o.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return o;
}

DWORD low_part(std::uint64_t v) { return static_cast<DWORD>(v & 0xFFFFFFFFu); }
DWORD high_part(std::uint64_t v) { return static_cast<DWORD>(v >> 32); }

}  // namespace

std::string native_path(std::string_view path) {
  std::string s = staged_form(path);
  std::replace(s.begin(), s.end(), '/', '\\');
  return s;
}

std::optional<DirEntry> find_entry(std::string_view path, int* error) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (path.empty() || !GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data)) {
    if (error) *error = path.empty() ? kFileNotFound : error_from_system(GetLastError());
    return std::nullopt;
  }
  if (error) *error = kOk;
  DirEntry e;
  e.name = std::string(last_component(path));
  e.is_dir = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  e.size = entry_size(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow);
  return e;
}

bool is_directory(std::string_view path) {
  auto e = find_entry(path);
  return e && e->is_dir;
}

bool make_directory(std::string_view path) {
  return !path.empty() && CreateDirectoryW(wide(path).c_str(), nullptr) != 0;
}

bool rename_entry(std::string_view from, std::string_view to) {
  // Without MOVEFILE_REPLACE_EXISTING: an existing entry is never replaced.
  return MoveFileExW(wide(from).c_str(), wide(to).c_str(), 0) != 0;
}

bool remove_file(std::string_view path) { return DeleteFileW(wide(path).c_str()) != 0; }

std::vector<DirEntry> list_directory(std::string_view dir, std::string_view mask) {
  std::string full(dir);
  std::string_view name_mask = mask;
  if (const auto p = mask.find_last_of("\\/"); p != std::string_view::npos) {
    if (!full.empty() && full.back() != '\\' && full.back() != '/') full += kSeparator;
    full += mask.substr(0, p);
    name_mask = mask.substr(p + 1);
  }
  std::vector<DirEntry> out;
  std::string pattern = native_path(full);
  if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != ':') pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAW found{};
  HANDLE h = FindFirstFileW(win32::to_wide(pattern).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return out;
  do {
    if (is_dots(found.cFileName)) continue;
    std::string name = win32::from_wide(found.cFileName);
    if (!wildcard_match(name_mask, name)) continue;
    out.push_back({std::move(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                   entry_size(found.dwFileAttributes, found.nFileSizeHigh, found.nFileSizeLow)});
  } while (FindNextFileW(h, &found));
  FindClose(h);
  std::sort(out.begin(), out.end(), [](const DirEntry& a, const DirEntry& b) {
    return charset::upper_text(a.name) < charset::upper_text(b.name);
  });
  return out;
}

bool File::open(std::string_view path, Mode mode) {
  if (fp_) close();
  failed_ = false;
  reading_ = writing_ = false;
  if (path.empty()) {
    error_ = kFileNotFound;
    return false;
  }
  const bool read_only = mode == Mode::kRead;
  const DWORD access = read_only ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  const DWORD disposition = mode == Mode::kCreate ? CREATE_ALWAYS : OPEN_EXISTING;
  // Shared as POSIX files are: other stations keep out through the locks.
  HANDLE h = CreateFileW(wide(path).c_str(), access,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    error_ = error_from_system(GetLastError());
    return false;
  }
  const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(h),
                                   (read_only ? _O_RDONLY : _O_RDWR) | _O_BINARY);
  if (fd < 0) {
    CloseHandle(h);
    error_ = kOtherError;
    return false;
  }
  fp_ = ::_fdopen(fd, read_only ? "rb" : "r+b");
  if (!fp_) {
    ::_close(fd);
    error_ = kOtherError;
    return false;
  }
  return opened(mode);
}

bool File::seek(std::uint64_t offset) {
  reading_ = writing_ = false;
  return fp_ && ::_fseeki64(fp_, static_cast<long long>(offset), SEEK_SET) == 0;
}

bool File::seek_end() {
  reading_ = writing_ = false;
  return fp_ && ::_fseeki64(fp_, 0, SEEK_END) == 0;
}

std::optional<std::uint64_t> File::size() {
  if (!fp_) return std::nullopt;
  if (std::fflush(fp_) != 0) return std::nullopt;
  LARGE_INTEGER n{};
  if (!GetFileSizeEx(handle_of(fp_), &n)) return std::nullopt;
  return static_cast<std::uint64_t>(n.QuadPart);
}

bool File::truncate(std::uint64_t length) {
  if (!fp_ || std::fflush(fp_) != 0) return false;
  return ::_chsize_s(::_fileno(fp_), static_cast<long long>(length)) == 0;
}

// Windows locks do not stack: a range already held by this file counts as
// locked again, as a POSIX lock of the same process would.
bool File::lock(std::uint64_t offset, std::uint64_t length) {
  if (!fp_) return false;
  std::fflush(fp_);
  for (const auto& [at, len] : locks_)
    if (offset >= at && offset + length <= at + len) return true;
  OVERLAPPED o = at_offset(offset);
  if (LockFileEx(handle_of(fp_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                 low_part(length), high_part(length), &o)) {
    locks_.emplace_back(offset, length);
    return true;
  }
  error_ = kLockViolation;
  return false;
}

bool File::unlock(std::uint64_t offset, std::uint64_t length) {
  if (!fp_) return false;
  std::fflush(fp_);
  const auto held = std::find(locks_.begin(), locks_.end(), std::pair{offset, length});
  // A range never locked on its own is given up with the lock holding it.
  if (held == locks_.end()) return true;
  OVERLAPPED o = at_offset(offset);
  if (!UnlockFileEx(handle_of(fp_), 0, low_part(length), high_part(length), &o)) return false;
  locks_.erase(held);
  return true;
}

}  // namespace vx::platform
