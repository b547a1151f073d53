#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

#include "charset/polish.hpp"
#include "charset/utf8.hpp"
#include "platform/change_journal.hpp"
#include "platform/fault_injection.hpp"
#include "platform/filesystem.hpp"

#include "platform/filesystem_internal.hpp"
#include "platform/listing_cache.hpp"
#include "platform/staged_folder.hpp"

namespace vx::platform {

namespace {

// CP852 path text to the UTF-8 path of the file system, both separators
// taken as separators and a leading drive prefix dropped.
std::string os_form(std::string_view given) {
  const std::string staged = staged_form(given);
  std::string_view path = staged;
  if (path.size() >= 2 && path[1] == ':' &&
      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')))
    path.remove_prefix(2);
  std::string s = charset::cp852_to_utf8(path);
  std::replace(s.begin(), s.end(), '\\', '/');
  return s;
}

bool exists(const std::string& p) {
  struct stat st;
  return ::lstat(p.c_str(), &st) == 0;
}

std::string name_key(std::string_view utf8_name) {
  return charset::upper_text(charset::utf8_to_cp852(utf8_name));
}

// Calls each(name) for every entry of base but "." and "..", until it
// returns false; the errno of a folder that could not be read, else 0.
template <typename Each>
int for_each_entry(const std::string& base, Each&& each) {
  DIR* d = ::opendir(base.empty() ? "." : base.c_str());
  if (!d) return errno;
  int failure = 0;
  for (;;) {
    errno = 0;
    const dirent* e = ::readdir(d);
    if (!e) {
      failure = errno;
      break;
    }
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    if (!each(e->d_name)) break;
  }
  ::closedir(d);
  return failure;
}

// The whole folder, for the listings kept while a scope is alive. Names
// alike but for case share a key; theirs is left empty, and the system is
// asked for the one meant.
std::optional<listing::Names> read_names(const std::string& base) {
  listing::Names names;
  const int failure = for_each_entry(base, [&names](const char* name) {
    const auto [it, fresh] = names.emplace(name_key(name), name);
    if (!fresh) it->second.clear();
    return true;
  });
  if (failure != 0) return std::nullopt;
  return names;
}

// Finds a directory entry of base whose name equals comp without regard to
// case, reading the folder until one is found.
std::optional<std::string> scan_folder(const std::string& base, const std::string& comp) {
  const std::string want = name_key(comp);
  std::optional<std::string> found;
  for_each_entry(base, [&](const char* name) {
    if (name_key(name) == want) found = name;
    return !found;
  });
  return found;
}

// What the lookup learnt of the last name: a kept listing answers for sure.
enum class Found { kYes, kNo, kUnsure };

std::string joined(const std::string& folder, const std::string& name) {
  return (folder.empty() || folder.back() == '/' ? folder : folder + "/") + name;
}

// The existing folder of a path in its stored case, then the last name
// looked up there alone; a name not found is kept as given (it is still to
// be created, or the folder is missing). While listings are kept, the
// folder's listing answers instead of the system.
std::string resolve(const std::string& s, Found* found = nullptr) {
  if (found) *found = Found::kUnsure;
  if (s.empty()) return s;
  const auto cut = s.find_last_of('/');
  if (cut != std::string::npos && cut + 1 == s.size()) return resolve(s.substr(0, cut)) + "/";
  const std::string folder = cut == std::string::npos ? "" : cut == 0 ? "/" : s.substr(0, cut);
  const std::string last = cut == std::string::npos ? s : s.substr(cut + 1);
  const bool plain = last != "." && last != "..";
  const bool kept = plain && listing::active();
  if (!kept && exists(s)) {
    if (found) *found = Found::kYes;
    return s;
  }
  const std::string parent =
      cut == std::string::npos ? "" : cut == 0 || (kept && listing::cached(folder)) ? folder : resolve(folder);
  if (!plain) return joined(parent, last);
  if (kept) {
    if (const auto* names = listing::of(parent, [&parent] { return read_names(parent); })) {
      const auto it = names->find(name_key(last));
      if (it == names->end()) {
        if (found) *found = Found::kNo;
        return joined(parent, last);
      }
      if (!it->second.empty()) {
        if (found) *found = Found::kYes;
        return joined(parent, it->second);
      }
    }
    // Unreadable, or several names alike: the name as given, if it is there.
    const std::string as_given = joined(parent, last);
    if (exists(as_given)) {
      if (found) *found = Found::kYes;
      return as_given;
    }
  }
  const auto real = scan_folder(parent, last);
  if (found && real) *found = Found::kYes;
  return joined(parent, real ? *real : last);
}

// The folder part of a native path as resolve() forms it, and the name.
std::pair<std::string_view, std::string_view> split_native(std::string_view p) {
  const auto cut = p.find_last_of('/');
  if (cut == std::string_view::npos) return {std::string_view(), p};
  return {cut == 0 ? p.substr(0, 1) : p.substr(0, cut), p.substr(cut + 1)};
}

// This program made the entry p.
void note_created(std::string_view p) {
  if (!listing::active()) return;
  const auto [dir, name] = split_native(p);
  if (!name.empty()) listing::added(dir, name_key(name), std::string(name));
}

// This program removed the entry p, or renamed it away.
void note_removed(std::string_view p) {
  if (!listing::active()) return;
  const auto [dir, name] = split_native(p);
  if (!name.empty()) listing::removed(dir, name_key(name), name);
}

// The folder an entry of a native path lies in, "." for a bare name.
std::string folder_of(std::string_view p) {
  while (p.size() > 1 && p.back() == '/') p.remove_suffix(1);
  const auto dir = split_native(p).first;
  return dir.empty() ? std::string(".") : std::string(dir);
}

// --- the trees of the run ---------------------------------------------------

struct Trees : TreeRoots<std::string> {
  // Real paths of the folders looked at: a run opens thousands of files in
  // a few hundred folders, and resolving each path anew reads every link
  // of it. Forgotten when this program renames or removes anything.
  std::unordered_map<std::string, std::string> folders;
};

Trees& trees() {
  static Trees t;
  return t;
}

// Links followed, "." and ".." gone; empty (errno set) when p cannot be
// resolved.
std::string real_path(const std::string& p) {
  char* r = ::realpath(p.c_str(), nullptr);
  if (!r) return {};
  std::string s(r);
  std::free(r);
  return s;
}

std::string real_folder(const std::string& folder) {
  auto& known = trees().folders;
  if (const auto it = known.find(folder); it != known.end()) return it->second;
  std::string real = real_path(folder);
  if (!real.empty()) known.emplace(folder, real);
  return real;
}

// The real path of a file: its folder's, kept, and its name, unless the
// name is itself a link (or no plain name), which is then followed.
std::string real_file_path(const std::string& p) {
  const auto [dir, name] = split_native(p);
  struct stat st;
  if (name.empty() || name == "." || name == ".." || (::lstat(p.c_str(), &st) == 0 && S_ISLNK(st.st_mode)))
    return real_path(p);
  const std::string folder = real_folder(folder_of(p));
  return folder.empty() ? folder : joined(folder, std::string(name));
}

bool below_any(const std::string& real, const std::vector<std::string>& roots) {
  return std::any_of(roots.begin(), roots.end(),
                     [&real](const std::string& root) { return below_root(real, root); });
}

// kOk when an entry of p's folder may be made, written, renamed or removed:
// the folder really lies in a write tree. Its real path goes to *real.
int write_check(const std::string& p, std::string* real = nullptr) {
  if (!trees().on) return kOk;
  const std::string folder = real_folder(folder_of(p));
  if (folder.empty()) return error_from_errno(errno);
  if (real) *real = folder;
  return below_any(folder, trees().write) ? kOk : kOutsideTree;
}

int rename_check(const std::string& from, const std::string& to) {
  if (!trees().on) return kOk;
  std::string a, b;
  const int ea = write_check(from, &a), eb = write_check(to, &b);
  return judge_rename(ea, eb, a, b, trees().rename);
}

// Opens without waiting for a pipe's other end, then keeps the file only
// if it is a regular one: a pipe named like a data file must not hang the
// run, nor a device or a folder be taken for data.
int open_regular(const std::string& p, int flags, int* error) {
  const int fd = ::open(p.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    *error = error_from_errno(errno);
    return -1;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    *error = kAccessDenied;
    return -1;
  }
  // O_NONBLOCK means nothing to a regular file: it may stay.
  return fd;
}

int open_for_reading(const std::string& p, int* error) {
  if (!trees().on) return open_regular(p, O_RDONLY, error);
  const std::string real = real_file_path(p);
  if (real.empty()) {
    *error = error_from_errno(errno);
    return -1;
  }
  if (!below_any(real, trees().read)) {
    *error = kOutsideTree;
    return -1;
  }
  // The path checked, not one a link put in its place meanwhile leads to.
  return open_regular(real, O_RDONLY | O_NOFOLLOW, error);
}

// Written where it is; never through a link in its place.
int open_in_place(const std::string& p, bool create, int* error) {
  if ((*error = write_check(p)) != kOk) return -1;
  return open_regular(p, O_RDWR | O_NOFOLLOW | (create ? O_CREAT | O_TRUNC : 0), error);
}

// A file that does not exist yet, made where it is.
int open_new_in_place(const std::string& p, int* error) {
  if ((*error = write_check(p)) != kOk) return -1;
  const int fd = ::open(p.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    *error = error_from_errno(errno);
    return -1;
  }
  note_created(p);
  return fd;
}

// A new temporary beside the target p, its name in *temporary. The target
// may be a file or a link (replaced by the rename), never a folder, a
// device or a pipe; a file's permissions pass to its successor. A kept
// listing may already know that there is no target.
int open_temporary(const std::string& p, bool surely_new, std::string* temporary, int* error) {
  if ((*error = write_check(p)) != kOk) return -1;
  struct stat st;
  const bool present = !surely_new && ::lstat(p.c_str(), &st) == 0;
  // A write-protected file stays as it is, as when it was emptied in place.
  if (present && (S_ISREG(st.st_mode) ? ::access(p.c_str(), W_OK) != 0 : !S_ISLNK(st.st_mode))) {
    *error = kAccessDenied;
    return -1;
  }
  const std::string_view dir = split_native(p).first;
  for (int tries = 0; tries < kTempNameTries; ++tries) {
    const std::string name = whole_file_temp_name();
    *temporary = dir.empty() ? name : joined(std::string(dir), name);
    const int fd = ::open(temporary->c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      if (present && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);
      note_created(*temporary);
      return fd;
    }
    if (errno != EEXIST) break;
  }
  *error = errno == EEXIST ? kAccessDenied : error_from_errno(errno);
  return -1;
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

void forget_real_folders() { trees().folders.clear(); }

std::string native_path(std::string_view path) { return resolve(os_form(path)); }

std::optional<DirEntry> find_entry(std::string_view path, int* error) {
  Found found = Found::kUnsure;
  const std::string p = resolve(os_form(path), &found);
  struct stat st;
  if (p.empty() || found == Found::kNo || ::stat(p.c_str(), &st) != 0) {
    if (error) *error = p.empty() || found == Found::kNo ? kFileNotFound : error_from_errno(errno);
    return std::nullopt;
  }
  if (error) *error = kOk;
  DirEntry e;
  e.name = std::string(last_component(path));
  e.is_dir = S_ISDIR(st.st_mode);
  e.size = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
  return e;
}

bool is_directory(std::string_view path) {
  auto e = find_entry(path);
  return e && e->is_dir;
}

bool make_directory(std::string_view path) {
  const std::string p = native_path(path);
  if (p.empty() || write_check(p) != kOk) return false;
  if (auto* journal = change_journal(); journal && !journal->before_create_folder(path)) return false;
  if (::mkdir(p.c_str(), 0777) != 0) return false;
  note_created(p);
  listing::made_empty(p);
  return true;
}

bool rename_entry(std::string_view from, std::string_view to) {
  const std::string a = native_path(from);
  const std::string b = native_path(to);
  // Never replace an existing entry, as the DOS rename would not.
  if (exists(b) || rename_check(a, b) != kOk) return false;
  if (auto* journal = change_journal(); journal && !journal->before_rename(from, to)) return false;
  if (testing::fault_now(testing::Fault::kRename) || ::rename(a.c_str(), b.c_str()) != 0) return false;
  forget_real_folders();
  listing::changed(split_native(a).first, a);
  listing::changed(split_native(b).first);
  return true;
}

namespace {
FileStamp stamp_of(const struct stat& st) {
  return {static_cast<std::uint64_t>(st.st_size),
          static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}
}  // namespace

std::optional<FileStamp> file_stamp(std::string_view path) {
  const std::string p = native_path(path);
  struct stat st {};
  if (p.empty() || ::stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return stamp_of(st);
}

std::optional<FileStamp> File::stamp() {
  struct stat st {};
  if (!fp_ || std::fflush(fp_) != 0 || ::fstat(::fileno(fp_), &st) != 0) return std::nullopt;
  return stamp_of(st);
}

bool set_modified(std::string_view path, std::int64_t modified) {
  const std::string p = native_path(path);
  if (p.empty() || write_check(p) != kOk) return false;
  struct timespec times[2];
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(modified / 1000000000);
  times[1].tv_nsec = static_cast<long>(modified % 1000000000);
  return ::utimensat(AT_FDCWD, p.c_str(), times, 0) == 0;
}

bool link_file(std::string_view existing, std::string_view new_name) {
  const std::string a = native_path(existing);
  const std::string b = native_path(new_name);
  if (a.empty() || b.empty() || write_check(b) != kOk || ::link(a.c_str(), b.c_str()) != 0) return false;
  note_created(b);
  return true;
}

bool remove_file(std::string_view path) {
  const std::string p = native_path(path);
  if (write_check(p) != kOk || ::unlink(p.c_str()) != 0) return false;
  forget_real_folders();
  note_removed(p);
  return true;
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
  const std::string native = native_path(full);
  const int failure = for_each_entry(native, [&](const char* entry) {
    std::string name = charset::utf8_to_cp852(entry);
    if (!wildcard_match(name_mask, name)) return true;
    if (refused_name(name)) {
      out.refused.push_back(std::move(name));
      return true;
    }
    struct stat st;
    if (::stat(joined(native, entry).c_str(), &st) == 0)
      out.entries.push_back({std::move(name), S_ISDIR(st.st_mode),
                             S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0});
    return true;
  });
  out.error = error_from_errno(failure);
  sort_entries(out.entries);
  std::sort(out.refused.begin(), out.refused.end());
  return out;
}

bool File::open(std::string_view path, Mode mode) {
  if (fp_) close();
  failed_ = write_failed_ = false;
  reading_ = writing_ = false;
  written_to_ = mode != Mode::kRead;
  if (!journal_open(path, mode)) return false;
  Found found = Found::kUnsure;
  const std::string p = resolve(os_form(path), &found);
  if (p.empty()) {
    error_ = kFileNotFound;
    return false;
  }
  const bool whole = mode == Mode::kReplace || mode == Mode::kExtend;
  std::string temporary;
  int error = kOk;
  // A file new in a company's staging folder is written under its own
  // name: the folder is the temporary, and a failed copy removes the file.
  const bool new_in_staging = whole && inside_staging(path) &&
                              (found == Found::kNo || (found == Found::kUnsure && !exists(p)));
  if (new_in_staging) temporary = p;
  const int fd = mode == Mode::kRead ? open_for_reading(p, &error)
                 : new_in_staging    ? open_new_in_place(p, &error)
                 : whole             ? open_temporary(p, found == Found::kNo, &temporary, &error)
                                     : open_in_place(p, mode == Mode::kCreate, &error);
  if (fd < 0) {
    error_ = error;
    return false;
  }
  fp_ = ::fdopen(fd, mode == Mode::kRead ? "rb" : "r+b");
  if (!fp_) {
    error_ = error_from_errno(errno);
    ::close(fd);
    if (whole && ::unlink(temporary.c_str()) == 0) note_removed(temporary);
    return false;
  }
  if (whole) {
    temporary_ = std::move(temporary);
    target_ = p;
  } else if (mode == Mode::kCreate) {
    note_created(p);
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
  if (temporary_ == target_) return true;  // written in place, new in staging
  if (testing::fault_now(testing::Fault::kRename)) {
    error_ = kDiskFull;
    return false;
  }
  // A link in the target's place is replaced, not written through.
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    error_ = error_from_errno(errno);
    return false;
  }
  note_removed(temporary_);
  note_created(target_);
  return true;
}

void File::remove_temporary() {
  if (::unlink(temporary_.c_str()) == 0) note_removed(temporary_);
}

bool File::seek(std::uint64_t offset) {
  reading_ = writing_ = false;
  return fp_ && ::fseeko(fp_, static_cast<off_t>(offset), SEEK_SET) == 0;
}

bool File::seek_end() {
  reading_ = writing_ = false;
  return fp_ && ::fseeko(fp_, 0, SEEK_END) == 0;
}

std::optional<std::uint64_t> File::size() {
  if (!fp_) return std::nullopt;
  if (std::fflush(fp_) != 0) return std::nullopt;
  struct stat st;
  if (::fstat(::fileno(fp_), &st) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

bool File::truncate(std::uint64_t length) {
  if (!fp_ || std::fflush(fp_) != 0) return false;
  return ::ftruncate(::fileno(fp_), static_cast<off_t>(length)) == 0;
}

namespace {
bool set_lock(std::FILE* fp, short type, std::uint64_t offset, std::uint64_t length) {
  if (!fp) return false;
  struct flock fl{};
  fl.l_type = type;
  fl.l_whence = SEEK_SET;
  fl.l_start = static_cast<off_t>(offset);
  fl.l_len = static_cast<off_t>(length);
  if (::fcntl(::fileno(fp), F_SETLK, &fl) == 0) return true;
  if (type != F_UNLCK && errno == EBADF) {
    // A file opened for reading only takes a read lock.
    fl.l_type = F_RDLCK;
    return ::fcntl(::fileno(fp), F_SETLK, &fl) == 0;
  }
  return false;
}
}  // namespace

bool File::lock(std::uint64_t offset, std::uint64_t length) {
  if (fp_) std::fflush(fp_);
  if (set_lock(fp_, F_WRLCK, offset, length)) return true;
  error_ = kLockViolation;
  return false;
}

bool File::unlock(std::uint64_t offset, std::uint64_t length) {
  if (fp_) std::fflush(fp_);
  return set_lock(fp_, F_UNLCK, offset, length);
}

}  // namespace vx::platform
