#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "charset/polish.hpp"
#include "charset/utf8.hpp"
#include "platform/file_errors.hpp"
#include "platform/filesystem.hpp"
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
// returns false; false when the folder cannot be read.
template <typename Each>
bool for_each_entry(const std::string& base, Each&& each) {
  DIR* d = ::opendir(base.empty() ? "." : base.c_str());
  if (!d) return false;
  while (dirent* e = ::readdir(d)) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    if (!each(e->d_name)) break;
  }
  ::closedir(d);
  return true;
}

// The whole folder, for the listings kept while a scope is alive. Names
// alike but for case share a key; theirs is left empty, and the system is
// asked for the one meant.
std::optional<listing::Names> read_names(const std::string& base) {
  listing::Names names;
  const bool read = for_each_entry(base, [&names](const char* name) {
    const auto [it, fresh] = names.emplace(name_key(name), name);
    if (!fresh) it->second.clear();
    return true;
  });
  if (!read) return std::nullopt;
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

}  // namespace

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
  if (p.empty() || ::mkdir(p.c_str(), 0777) != 0) return false;
  note_created(p);
  listing::made_empty(p);
  return true;
}

bool rename_entry(std::string_view from, std::string_view to) {
  const std::string a = native_path(from);
  const std::string b = native_path(to);
  // Never replace an existing entry, as the DOS rename would not.
  if (exists(b)) return false;
  if (::rename(a.c_str(), b.c_str()) != 0) return false;
  listing::changed(split_native(a).first, a);
  listing::changed(split_native(b).first);
  return true;
}

bool remove_file(std::string_view path) {
  const std::string p = native_path(path);
  if (::unlink(p.c_str()) != 0) return false;
  listing::changed(split_native(p).first);
  return true;
}

std::vector<DirEntry> list_directory(std::string_view dir, std::string_view mask) {
  std::string full(dir);
  std::string_view name_mask = mask;
  if (const auto p = mask.find_last_of("\\/"); p != std::string_view::npos) {
    if (!full.empty() && full.back() != '\\' && full.back() != '/') full += kSeparator;
    full += mask.substr(0, p);
    name_mask = mask.substr(p + 1);
  }
  std::vector<DirEntry> out;
  const std::string native = native_path(full);
  for_each_entry(native, [&](const char* entry) {
    std::string name = charset::utf8_to_cp852(entry);
    struct stat st;
    if (wildcard_match(name_mask, name) && ::stat(joined(native, entry).c_str(), &st) == 0)
      out.push_back({std::move(name), S_ISDIR(st.st_mode),
                     S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0});
    return true;
  });
  std::sort(out.begin(), out.end(), [](const DirEntry& a, const DirEntry& b) {
    return charset::upper_text(a.name) < charset::upper_text(b.name);
  });
  return out;
}

bool File::open(std::string_view path, Mode mode) {
  if (fp_) close();
  failed_ = false;
  reading_ = writing_ = false;
  const std::string p = native_path(path);
  const char* how = "rb";
  switch (mode) {
    case Mode::kRead: how = "rb"; break;
    case Mode::kReadWrite: how = "r+b"; break;
    case Mode::kCreate: how = "w+b"; break;
    case Mode::kAppend: how = "r+b"; break;
  }
  errno = 0;
  if (p.empty()) {
    error_ = kFileNotFound;
    return false;
  }
  fp_ = std::fopen(p.c_str(), how);
  if (!fp_) {
    error_ = error_from_errno(errno);
    return false;
  }
  struct stat st;
  if (::fstat(::fileno(fp_), &st) == 0 && S_ISDIR(st.st_mode)) {
    std::fclose(fp_);
    fp_ = nullptr;
    error_ = kAccessDenied;
    return false;
  }
  if (mode == Mode::kCreate) note_created(p);
  return opened(mode);
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
