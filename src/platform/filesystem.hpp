#pragma once
// File-system access for the whole program. Paths are CP852 text formed as
// the installation's own programs form them (root + directory + separator +
// name); on Linux both separators are accepted, a drive prefix is dropped and
// every component is found without regard to case, as on Windows; on
// Windows the system takes them as they are.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/buffer_pool.hpp"

namespace vx::platform {

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// Error codes in the form the installation's programs report them.
enum ErrorCode : int {
  kOk = 0,
  kFileNotFound = 2,
  kPathNotFound = 3,
  kAccessDenied = 5,
  kBadEnvironment = 10,
  kBadFormat = 11,  // a name the file system cannot take
  kSharingViolation = 32,
  kLockViolation = 33,
  kDiskFull = 39,
  kOtherError = 100,
  kOutsideTree = 101,  // the path really lies outside the trees of the run
};

struct DirEntry {
  std::string name;  // CP852
  bool is_dir = false;
  std::uint64_t size = 0;
};

// A folder's entries matching a mask. Names that would not stay a name in
// the folder once joined to it (holding a separator, as ..\x.cel can on
// Linux) are never entries: they are kept apart for the report.
struct Listing {
  std::vector<DirEntry> entries;   // in upper-cased name order
  std::vector<std::string> refused;
  int error = kOk;                 // why the folder could not be read
  bool missing() const { return error == kFileNotFound || error == kPathNotFound; }
  bool unreadable() const { return error != kOk && !missing(); }
};

// The native path of an existing entry, or the best candidate for creating
// one: components that exist in another case are taken in that case.
std::string native_path(std::string_view path);

// While one is alive, the folders read for the case-blind lookup are kept
// and this program's own creations, renames and removals kept in them; a
// file another program creates meanwhile under a name found only in another
// case is not seen. The register load, the global copy and the company
// loop each hold one, so that each folder is read once and not once per name
// looked up. Nothing to keep on Windows, whose file system finds names in
// any case itself.
class ListingScope {
 public:
  ListingScope();
  ~ListingScope();
  ListingScope(const ListingScope&) = delete;
  ListingScope& operator=(const ListingScope&) = delete;
};
// The operator may have changed files while the program waited: what was
// kept is read again.
void forget_listings();

// The entry of that name; when none is found, *error (if given) tells why.
std::optional<DirEntry> find_entry(std::string_view path, int* error = nullptr);

// A file's size and last write: whether it changed since it was noted.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // in the system's own units
  bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> file_stamp(std::string_view path);
// Gives a file the last write time of a stamp: a file put back is as it was.
bool set_modified(std::string_view path, std::int64_t modified);
// A second name for an existing file (a hard link); false where the file
// system has none, and the caller copies instead.
bool link_file(std::string_view existing, std::string_view new_name);
bool is_directory(std::string_view path);
bool make_directory(std::string_view path);
bool rename_entry(std::string_view from, std::string_view to);
bool remove_file(std::string_view path);

// Matches as Windows does: case ignored; '*' any run; '?' one character, or
// none at the end of the name or of the extension; "name.*" also matches
// "name" without an extension.
bool wildcard_match(std::string_view mask, std::string_view name);

// Entries of a directory matching the mask. A mask may hold a directory
// part ("_2018\*.kst"); it is resolved under dir. A missing folder lists
// nothing and is not unreadable.
Listing list_directory(std::string_view dir, std::string_view mask);

// Reads and writes kept in the trees of the run. While confined, a file is
// read only when its real path (links followed) lies below a read root; a
// file or folder is made, written, replaced or removed only when the real
// path of its folder lies below a write root; a rename also when both its
// ends lie below one rename root (the 2017 files hidden by "~"). Anything
// else fails with kOutsideTree. Roots are resolved once, here; a root that
// cannot be resolved guards nothing and makes the result false.
bool confine_to_trees(const std::vector<std::string>& read_roots,
                      const std::vector<std::string>& write_roots,
                      const std::vector<std::string>& rename_roots = {});
// Every path allowed again.
void end_confinement();

// The names the program gives its own files and folders in the trees (the
// temporaries of whole files, a company's staging folder, the list of files
// still to hide) begin so: never a name of the office's data.
inline constexpr std::string_view kOwnNamePrefix = "~vx1718";

// Whole-file writes are built under names of this mask in the target's own
// folder. A killed run leaves them behind; this removes them from one
// folder, false when one of them stays.
inline constexpr std::string_view kWholeFileTempMask = "~vx1718.*.tmp";
static_assert(kWholeFileTempMask.starts_with(kOwnNamePrefix));
bool remove_whole_file_leftovers(std::string_view folder);

// Splits a user-given path at either separator.
std::string_view last_component(std::string_view path);

// A file opened for the copies and the record-file layer: buffered, every
// result checked by the caller. Only regular files are opened; nothing is
// ever written through a symbolic link.
class File {
 public:
  enum class Mode {
    kRead,       // existing file, read only
    kReadWrite,  // existing file, read and write, in place
    kCreate,     // created or emptied in place, read and write
    kAppend,     // existing file, writes at its end, in place
    // Whole files: written under a temporary name in the target's folder
    // and put in the target's place by a clean close(); a link in that
    // place is replaced, not followed.
    kReplace,  // starts empty
    kExtend,   // starts as a copy of the target, if any; writes append
  };

  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  ~File();

  // On failure the file is not open and error() names the cause.
  bool open(std::string_view path, Mode mode);
  bool is_open() const { return fp_ != nullptr; }
  int error() const { return error_; }

  // Bytes read; fewer at the end of the file. A failure leaves failed() set.
  std::size_t read(void* buffer, std::size_t length);
  // Bytes written; fewer on failure.
  std::size_t write(const void* buffer, std::size_t length);
  bool failed() const { return failed_; }

  bool seek(std::uint64_t offset);
  bool seek_end();
  std::optional<std::uint64_t> size();
  bool flush();
  bool truncate(std::uint64_t length);
  // Closes the file; false when buffered data could not be written. A whole
  // file then takes the target's place, unless a write, the close or that
  // rename failed: then the target stays as it was.
  bool close();
  // Closes without putting a whole file in place; the target stays as it
  // was. A whole file still open at destruction is given up so too.
  void discard();

  // Byte-range locks, real operating-system locks so that other programs on
  // the same share see them. Do not wait.
  bool lock(std::uint64_t offset, std::uint64_t length);
  bool unlock(std::uint64_t offset, std::uint64_t length);

 private:
  // The buffer, the clean state and, for appending, the end: what every
  // system does once its file is open.
  bool opened(Mode mode);
  // Tells the run's journal what this open is about to change; false when
  // the journal could not keep it.
  bool journal_open(std::string_view path, Mode mode);
  // The open file's size and last write, its data handed to the system.
  std::optional<FileStamp> stamp();
  // Copies the existing target of a kExtend file into it.
  bool take_existing(std::string_view path);
  // The system's parts of a whole file's end: the rename over the target,
  // the removal of the temporary.
  bool put_in_place();
  void remove_temporary();

  std::FILE* fp_ = nullptr;
  // The stream's buffer, owned here: stdio would otherwise pick a small one.
  PooledBuffer buffer_;
  int error_ = kOk;
  bool failed_ = false;
  bool write_failed_ = false;
  bool written_to_ = false;  // opened in a mode that writes
  // The path told to the run's journal, told again when the file closes.
  std::string journaled_;
  // A whole file: its temporary and its target, native paths.
  std::string temporary_;
  std::string target_;
  bool writing_ = false;  // last operation, for the read/write switch rule
  bool reading_ = false;
  // Ranges this file holds locked where the system's locks do not stack
  // (Windows): offset and length.
  std::vector<std::pair<std::uint64_t, std::uint64_t>> locks_;
};

// Whole-file helpers for small files (side files, INI files, tests).
std::optional<std::string> read_whole_file(std::string_view path);
bool write_whole_file(std::string_view path, std::string_view bytes);

}  // namespace vx::platform
