#pragma once
// A fixed-length record file shared over the network: opened with the
// program-wide access and sharing mode, locked with real byte-range locks,
// retried while another station holds it, and every failed read, write or
// unlock of an insert turned into the fatal input/output dialog.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/filesystem.hpp"
#include "recordfile/file_access.hpp"
#include "recordfile/record_view.hpp"

namespace vx::recordfile {

enum class OpenMode : std::uint8_t {
  kOpenOrCreate = 0,
  kOpenExisting = 1,
  kCreate = 2,
  kTemporary = 3,   // the name is a directory; a unique ".tmp" file is made in it
  kOpenOrAsk = 4,   // asks before creating a missing file
};

enum class LockWait : std::uint8_t {
  kRetry = 0,  // 30 tries at once
  kAsk = 1,    // 30 tries 50 ms apart, then "Czy czekamy ?"
  kQueue = 2,  // waits in the network queue until it gets the lock
};

enum class FileState : std::uint8_t { kClosed = 0, kOpened = 1, kCreated = 2, kTemporary = 3 };

// The class operations a concrete record file may override.
class RecordClass {
 public:
  virtual ~RecordClass() = default;
  // One record into the buffer; on failure the buffer is zeroed.
  virtual bool read(platform::File& f, std::span<std::uint8_t> buffer) const;
  virtual bool write(platform::File& f, std::span<const std::uint8_t> buffer) const;
  // Appended to the message about a missing file.
  virtual std::string missing_question() const;
  // The key text of a record, written into out (its buffer reused: inserts
  // compare thousands of keys).
  virtual void key(ConstRecordView record, std::string& out) const;
  // Compares the upper-cased keys of a stored and a new record: 0 or
  // positive when the new record belongs after the stored one.
  virtual int compare(std::string_view stored_key, std::string_view fresh_key) const;
  // The upper-cased key used for comparing.
  void compare_key(ConstRecordView record, std::string& out) const;
};

const RecordClass& plain_record_class();

inline constexpr std::uint64_t kWholeFileLockLength = 2147483647;  // 2^31 - 1

class RecordFile {
 public:
  RecordFile(FileAccess& access, std::string name, std::size_t record_size,
             const RecordClass& cls = plain_record_class());
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  const std::string& name() const { return name_; }
  std::size_t record_size() const { return record_size_; }
  FileState state() const { return state_; }
  bool locked() const { return locked_; }
  int last_error() const { return last_error_; }
  long current_position() const { return current_position_; }
  void want_lock(bool on) { lock_wanted_ = on; }

  bool open(LockWait wait, OpenMode mode);
  void close();

  bool lock_file(LockWait wait);
  bool unlock_file();
  bool lock_record(long number);
  bool marker_lock();
  bool marker_unlock();

  bool read(long number, std::span<std::uint8_t> buffer);
  // Whole records from record first on, as many as the buffer holds, in one
  // read; the count read, fewer at the end of the file or on a failure.
  long read_records(long first, std::span<std::uint8_t> buffer);
  bool write(long number, std::span<const std::uint8_t> buffer);
  bool append(std::span<const std::uint8_t> buffer);
  bool seek(long number);
  // The record count, or -1.
  long seek_end();
  // The file's size in bytes.
  std::optional<std::uint64_t> byte_size() { return file_.size(); }
  bool flush();

  // Inserts the record in the order of the class comparison; new records go
  // after equal ones. The file first grows by one record at the boundary of
  // its whole records (a piece of a record at its end is overwritten); when
  // it cannot grow it is left as it was and false is returned. The records
  // that move are read back a block at a time.
  bool insert_in_order(std::span<const std::uint8_t> record);

 private:
  bool open_existing();
  bool wait_for(LockWait wait, bool (RecordFile::*attempt)());
  bool try_lock_whole();
  bool try_unlock_whole();
  // Writes the new record behind the n whole records; on failure puts the
  // file back as it was (bytes is its size, tail the bytes past the records).
  bool grow(long n, std::uint64_t bytes, const std::vector<std::uint8_t>& tail);
  // Moves the records sorting after the new one up by one; its position.
  long shift_up(long n, bool& ok);
  // The fatal dialog; returns when the operator chooses to go on.
  void fatal(std::string_view operation);

  FileAccess& access_;
  std::string name_;
  std::size_t record_size_;
  const RecordClass& class_;
  OpenModeWord mode_;
  platform::File file_;
  FileState state_ = FileState::kClosed;
  bool locked_ = false;
  bool lock_wanted_ = false;
  int last_error_ = 0;
  long current_position_ = -1;
  // Buffers of the sorted insert, kept so that a run of inserts does not
  // allocate for each.
  std::vector<std::uint8_t> fresh_;
  std::vector<std::uint8_t> scratch_;
};

// True when an entry of that name is found; retries while the file is busy
// and asks the operator after four pauses. size gets the size or -1.
bool file_exists(FileAccess& access, std::string_view name, std::int64_t* size = nullptr);
bool delete_file(std::string_view name);

// The access mode switch used around the exclusive read of the register.
void set_access_mode(FileLayerSettings& settings, OpenModeWord mode);
void restore_access_mode(FileLayerSettings& settings);
// Read access, other stations denied reading and writing.
OpenModeWord exclusive_read_mode(const FileLayerSettings& settings);

}  // namespace vx::recordfile
