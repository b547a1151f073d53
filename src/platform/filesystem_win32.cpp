#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>

#include "charset/polish.hpp"
#include "platform/change_journal.hpp"
#include "platform/fault_injection.hpp"
#include "platform/filesystem.hpp"

#include "platform/filesystem_internal.hpp"
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

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The folder an entry of a native path lies in: "." for a bare name, the
// drive's root for an entry at the root.
std::string folder_of(std::string_view p) {
  while (p.size() > 1 && p.back() == '\\' && !(p.size() == 3 && p[1] == ':')) p.remove_suffix(1);
  const auto cut = p.find_last_of('\\');
  if (cut == std::string_view::npos) return p.size() >= 2 && p[1] == ':' ? std::string(p.substr(0, 2)) : ".";
  if (cut == 0 || (cut == 2 && p[1] == ':')) return std::string(p.substr(0, cut + 1));
  return std::string(p.substr(0, cut));
}

// --- the trees of the run ---------------------------------------------------

// Real paths in upper case.
using Trees = TreeRoots<std::wstring>;

Trees& trees() {
  static Trees t;
  return t;
}

// Where an open handle really leads, links and junctions followed, in upper
// case (the system ignores it); empty when the system cannot tell.
std::wstring final_path(HANDLE h) {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetFinalPathNameByHandleW(h, buf.data(), static_cast<DWORD>(buf.size()),
                                              FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (n == 0) return {};
    const bool fits = n < buf.size();
    buf.resize(n);
    if (fits) break;
  }
  if (buf.starts_with(L"\\\\?\\UNC\\"))
    buf = L"\\" + buf.substr(7);
  else if (buf.starts_with(L"\\\\?\\"))
    buf = buf.substr(4);
  if (!buf.empty()) CharUpperBuffW(buf.data(), static_cast<DWORD>(buf.size()));
  return buf;
}

// The real path of an existing file or folder; empty (the error in *error)
// when it cannot be opened.
std::wstring real_path(const std::string& native, int* error = nullptr) {
  HANDLE h = CreateFileW(win32::to_wide(native).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    if (error) *error = error_from_system(GetLastError());
    return {};
  }
  std::wstring real = final_path(h);
  CloseHandle(h);
  if (real.empty() && error) *error = kOtherError;
  return real;
}

bool below_any(const std::wstring& real, const std::vector<std::wstring>& roots) {
  return std::any_of(roots.begin(), roots.end(),
                     [&real](const std::wstring& root) { return below_root(real, root); });
}

// kOk when an entry of p's folder may be made, written, renamed or removed:
// the folder really lies in a write tree. Its real path goes to *real.
int write_check(const std::string& p, std::wstring* real = nullptr) {
  if (!trees().on) return kOk;
  int error = kOk;
  const std::wstring folder = real_path(folder_of(p), &error);
  if (folder.empty()) return error;
  if (real) *real = folder;
  return below_any(folder, trees().write) ? kOk : kOutsideTree;
}

int rename_check(const std::string& from, const std::string& to) {
  if (!trees().on) return kOk;
  std::wstring a, b;
  const int ea = write_check(from, &a), eb = write_check(to, &b);
  return judge_rename(ea, eb, a, b, trees().rename);
}

// Only files on a disk are data: not a console, a pipe or a device, nor a
// reparse point opened as itself.
int check_data_file(HANDLE h) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
      (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
    return kAccessDenied;
  return kOk;
}

HANDLE open_handle(const std::string& p, File::Mode mode, int* error) {
  const bool read_only = mode == File::Mode::kRead;
  if (!read_only) {
    if ((*error = write_check(p)) != kOk) return INVALID_HANDLE_VALUE;
    // Never written through a link.
    const DWORD attributes = GetFileAttributesW(win32::to_wide(p).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      *error = kAccessDenied;
      return INVALID_HANDLE_VALUE;
    }
  }
  const DWORD access = read_only ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  const DWORD disposition = mode == File::Mode::kCreate ? CREATE_ALWAYS : OPEN_EXISTING;
  // Shared as POSIX files are: other stations keep out through the locks.
  HANDLE h = CreateFileW(win32::to_wide(p).c_str(), access, kShareAll, nullptr, disposition,
                         FILE_ATTRIBUTE_NORMAL | (read_only ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    *error = error_from_system(GetLastError());
    return h;
  }
  *error = check_data_file(h);
  if (*error == kOk && read_only && trees().on && !below_any(final_path(h), trees().read))
    *error = kOutsideTree;
  if (*error != kOk) {
    CloseHandle(h);
    return INVALID_HANDLE_VALUE;
  }
  return h;
}

// A new temporary beside the target p, its name in *temporary. The target
// may be a file or a link (replaced by the rename), never a folder; a
// read-only file stays as it is.
HANDLE open_temporary(const std::string& p, std::string* temporary, int* error) {
  if ((*error = write_check(p)) != kOk) return INVALID_HANDLE_VALUE;
  const DWORD attributes = GetFileAttributesW(win32::to_wide(p).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE))) {
    *error = kAccessDenied;
    return INVALID_HANDLE_VALUE;
  }
  const auto cut = p.find_last_of('\\');
  const std::string dir = cut == std::string::npos ? std::string() : p.substr(0, cut + 1);
  for (int tries = 0; tries < kTempNameTries; ++tries) {
    *temporary = dir + whole_file_temp_name();
    HANDLE h = CreateFileW(win32::to_wide(*temporary).c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll,
                           nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) return h;
    const DWORD e = GetLastError();
    if (e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS) {
      *error = error_from_system(e);
      return h;
    }
  }
  *error = kAccessDenied;
  return INVALID_HANDLE_VALUE;
}

}  // namespace

bool confine_to_trees(const std::vector<std::string>& read_roots,
                      const std::vector<std::string>& write_roots,
                      const std::vector<std::string>& rename_roots) {
  Trees t;
  const bool all = t.confine(read_roots, write_roots, rename_roots,
                             [](const std::string& root) { return real_path(native_path(root)); });
  trees() = std::move(t);
  return all;
}

void end_confinement() { trees() = Trees{}; }

// The system resolves each handle's final path itself: nothing is kept.
void forget_real_folders() {}

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
  if (path.empty() || write_check(native_path(path)) != kOk) return false;
  if (auto* journal = change_journal(); journal && !journal->before_create_folder(path)) return false;
  return CreateDirectoryW(wide(path).c_str(), nullptr) != 0;
}

bool rename_entry(std::string_view from, std::string_view to) {
  if (rename_check(native_path(from), native_path(to)) != kOk) return false;
  if (auto* journal = change_journal(); journal && !journal->before_rename(from, to)) return false;
  if (testing::fault_now(testing::Fault::kRename)) return false;
  // Without MOVEFILE_REPLACE_EXISTING: an existing entry is never replaced.
  return MoveFileExW(wide(from).c_str(), wide(to).c_str(), 0) != 0;
}

namespace {
FileStamp stamp_of(std::uint64_t size, const FILETIME& written) {
  return {size, static_cast<std::int64_t>((static_cast<std::uint64_t>(written.dwHighDateTime) << 32) |
                                          written.dwLowDateTime)};
}
}  // namespace

std::optional<FileStamp> file_stamp(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (path.empty() || !GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return std::nullopt;
  return stamp_of((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow, data.ftLastWriteTime);
}

std::optional<FileStamp> File::stamp() {
  if (!fp_ || std::fflush(fp_) != 0) return std::nullopt;
  const HANDLE h = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(fp_)));
  LARGE_INTEGER size{};
  FILETIME written{};
  if (h == INVALID_HANDLE_VALUE || !GetFileSizeEx(h, &size) || !GetFileTime(h, nullptr, nullptr, &written))
    return std::nullopt;
  return stamp_of(static_cast<std::uint64_t>(size.QuadPart), written);
}

bool set_modified(std::string_view path, std::int64_t modified) {
  if (path.empty() || write_check(native_path(path)) != kOk) return false;
  HANDLE h = CreateFileW(wide(path).c_str(), FILE_WRITE_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  FILETIME t;
  t.dwLowDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(modified) & 0xFFFFFFFFu);
  t.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(modified) >> 32);
  const bool ok = SetFileTime(h, nullptr, nullptr, &t) != 0;
  CloseHandle(h);
  return ok;
}

bool link_file(std::string_view existing, std::string_view new_name) {
  return !existing.empty() && !new_name.empty() && write_check(native_path(new_name)) == kOk &&
         CreateHardLinkW(wide(new_name).c_str(), wide(existing).c_str(), nullptr) != 0;
}

bool remove_file(std::string_view path) {
  return write_check(native_path(path)) == kOk && DeleteFileW(wide(path).c_str()) != 0;
}

Listing list_directory(std::string_view dir, std::string_view mask) {
  std::string full(dir);
  std::string_view name_mask = mask;
  if (const auto p = mask.find_last_of("\\/"); p != std::string_view::npos) {
    if (!full.empty() && full.back() != '\\' && full.back() != '/') full += kSeparator;
    full += mask.substr(0, p);
    name_mask = mask.substr(p + 1);
  }
  Listing out;
  std::string pattern = native_path(full);
  if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != ':') pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAW found{};
  HANDLE h = FindFirstFileW(win32::to_wide(pattern).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD e = GetLastError();
    // Nothing at all, not even the dots: an empty drive.
    if (e != ERROR_FILE_NOT_FOUND) out.error = error_from_system(e);
    return out;
  }
  do {
    if (is_dots(found.cFileName)) continue;
    std::string name = win32::from_wide(found.cFileName);
    if (!wildcard_match(name_mask, name)) continue;
    if (refused_name(name)) {
      out.refused.push_back(std::move(name));
      continue;
    }
    out.entries.push_back({std::move(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           entry_size(found.dwFileAttributes, found.nFileSizeHigh, found.nFileSizeLow)});
  } while (FindNextFileW(h, &found));
  if (const DWORD e = GetLastError(); e != ERROR_NO_MORE_FILES) out.error = error_from_system(e);
  FindClose(h);
  sort_entries(out.entries);
  std::sort(out.refused.begin(), out.refused.end());
  return out;
}

bool File::open(std::string_view path, Mode mode) {
  if (fp_) close();
  failed_ = write_failed_ = false;
  reading_ = writing_ = false;
  written_to_ = mode != Mode::kRead;
  if (path.empty()) {
    error_ = kFileNotFound;
    return false;
  }
  if (!journal_open(path, mode)) return false;
  const std::string p = native_path(path);
  const bool whole = mode == Mode::kReplace || mode == Mode::kExtend;
  const bool read_only = mode == Mode::kRead;
  std::string temporary;
  int error = kOk;
  HANDLE h = whole ? open_temporary(p, &temporary, &error) : open_handle(p, mode, &error);
  if (h == INVALID_HANDLE_VALUE) {
    error_ = error;
    return false;
  }
  const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(h),
                                   (read_only ? _O_RDONLY : _O_RDWR) | _O_BINARY);
  if (fd < 0) CloseHandle(h);
  fp_ = fd < 0 ? nullptr : ::_fdopen(fd, read_only ? "rb" : "r+b");
  if (!fp_) {
    if (fd >= 0) ::_close(fd);
    if (whole) DeleteFileW(win32::to_wide(temporary).c_str());
    error_ = kOtherError;
    return false;
  }
  if (whole) {
    temporary_ = std::move(temporary);
    target_ = p;
  }
  if (!opened(mode)) return false;
  if (mode == Mode::kExtend && !take_existing(path)) {
    const int why = error_;
    discard();
    error_ = why;
    return false;
  }
  return true;
}

bool File::put_in_place() {
  if (testing::fault_now(testing::Fault::kRename)) {
    error_ = kDiskFull;
    return false;
  }
  // A link in the target's place is replaced, not written through.
  if (!MoveFileExW(win32::to_wide(temporary_).c_str(), win32::to_wide(target_).c_str(),
                   MOVEFILE_REPLACE_EXISTING)) {
    error_ = error_from_system(GetLastError());
    return false;
  }
  return true;
}

void File::remove_temporary() { DeleteFileW(win32::to_wide(temporary_).c_str()); }

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
