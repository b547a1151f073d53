#include "recordfile/record_file.hpp"

#include <algorithm>
#include <memory>
#include <vector>

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "platform/program_exit.hpp"
#include "recordfile/temp_names.hpp"

namespace vx::recordfile {

namespace {

constexpr int kInsertProgressAbove = 20;
constexpr long kInsertBlockRecords = 256;  // records read back at a time
constexpr int kQueueRange = 29;
constexpr int kBusyPauseMs = 500;
constexpr int kBusyPausesBeforeAsking = 4;

std::vector<std::string> lines_of(std::initializer_list<std::string_view> lines) {
  return {lines.begin(), lines.end()};
}

}  // namespace

// --- class operations ----------------------------------------------------------

bool RecordClass::read(platform::File& f, std::span<std::uint8_t> buffer) const {
  const std::size_t n = f.read(buffer.data(), buffer.size());
  if (n == buffer.size() && !f.failed()) return true;
  std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
  return false;
}

bool RecordClass::write(platform::File& f, std::span<const std::uint8_t> buffer) const {
  return f.write(buffer.data(), buffer.size()) == buffer.size();
}

std::string RecordClass::missing_question() const { return cp852("Utworzyć nowy ?").str(); }

void RecordClass::key(ConstRecordView, std::string& out) const { out.clear(); }

int RecordClass::compare(std::string_view stored_key, std::string_view fresh_key) const {
  return charset::compare_texts(stored_key, fresh_key);
}

void RecordClass::compare_key(ConstRecordView record, std::string& out) const {
  key(record, out);
  for (auto& c : out) c = static_cast<char>(charset::upper_char(static_cast<std::uint8_t>(c)));
}

const RecordClass& plain_record_class() {
  static const RecordClass plain;
  return plain;
}

// --- record file ------------------------------------------------------------------

RecordFile::RecordFile(FileAccess& access, std::string name, std::size_t record_size, const RecordClass& cls)
    // The name is kept whole: a cut path would name another file.
    : access_(access),
      name_(std::move(name)),
      record_size_(record_size < 1 ? 1 : record_size),
      class_(cls),
      mode_(access.settings.mode) {}

RecordFile::~RecordFile() { close(); }

bool RecordFile::open_existing() {
  const auto how = mode_.access == Access::kRead ? platform::File::Mode::kRead
                                                 : platform::File::Mode::kReadWrite;
  // Another station holding the file exclusively refuses the open: retried.
  for (int attempt = 0;; ++attempt) {
    if (file_.open(name_, how)) {
      const bool exclusive = mode_.sharing == kDenyAll || mode_.sharing == kDenyRead ||
                             mode_.sharing == kDenyWrite;
      if (!exclusive || !access_.settings.network_mode || file_.lock(0, kWholeFileLockLength)) {
        last_error_ = platform::kOk;
        return true;
      }
      file_.close();
      last_error_ = platform::kSharingViolation;
    } else {
      last_error_ = file_.error();
    }
    if (last_error_ != platform::kSharingViolation || attempt >= access_.settings.retry_count) return false;
    access_.talk.op().wait_ms(access_.settings.retry_pause_ms);
  }
}

bool RecordFile::open(LockWait wait, OpenMode mode) {
  close();
  bool ok = false;
  switch (mode) {
    case OpenMode::kOpenOrCreate:
      ok = open_existing();
      if (!ok && last_error_ == platform::kFileNotFound) {
        ok = file_.open(name_, platform::File::Mode::kCreate);
        state_ = FileState::kCreated;
      } else {
        state_ = FileState::kOpened;
      }
      break;
    case OpenMode::kOpenExisting:
      ok = open_existing();
      state_ = FileState::kOpened;
      break;
    case OpenMode::kCreate:
      ok = file_.open(name_, platform::File::Mode::kCreate);
      state_ = FileState::kCreated;
      break;
    case OpenMode::kTemporary:
      name_ = unique_temp_name(name_);
      ok = file_.open(name_, platform::File::Mode::kCreate);
      state_ = FileState::kTemporary;
      break;
    case OpenMode::kOpenOrAsk:
      ok = open_existing();
      state_ = FileState::kOpened;
      if (!ok && last_error_ == platform::kFileNotFound) {
        const auto answer =
            access_.talk.box(dialogue::Box::kCreateMissing,
                             lines_of({cp852("Nie odnaleziono pliku:"), name_, class_.missing_question()}));
        if (answer == dialogue::BoxAnswer::kYes) {
          ok = file_.open(name_, platform::File::Mode::kCreate);
          state_ = FileState::kCreated;
        }
      }
      break;
  }
  if (!ok) {
    if (file_.error() != platform::kOk) last_error_ = file_.error();
    state_ = FileState::kClosed;
    if (last_error_ == platform::kAccessDenied && mode != OpenMode::kCreate)
      access_.talk.report(lines_of({cp852("Dostęp do pliku"), name_, cp852("Zabronony !(?)")}));
    return false;
  }
  last_error_ = platform::kOk;
  if (lock_wanted_ && access_.settings.network_mode && !lock_file(wait)) {
    close();
    return false;
  }
  return true;
}

void RecordFile::close() {
  if (state_ == FileState::kClosed && !file_.is_open()) return;
  if (locked_) unlock_file();
  if (file_.is_open()) file_.close();
  state_ = FileState::kClosed;
}

bool RecordFile::try_lock_whole() { return file_.lock(0, kWholeFileLockLength); }
bool RecordFile::try_unlock_whole() { return file_.unlock(0, kWholeFileLockLength); }

bool RecordFile::wait_for(LockWait wait, bool (RecordFile::*attempt)()) {
  std::unique_ptr<dialogue::Progress> queue;
  bool ok = false;
  int tries = 0;
  for (;;) {
    if ((this->*attempt)()) {
      ok = true;
      break;
    }
    ++tries;
    if (wait == LockWait::kRetry) {
      if (tries >= access_.settings.retry_count) break;
      continue;
    }
    access_.talk.op().wait_ms(access_.settings.retry_pause_ms);
    if (wait == LockWait::kAsk) {
      if (tries > access_.settings.retry_count) {
        const auto answer = access_.talk.box(
            dialogue::Box::kWaitForLock,
            lines_of({cp852(" NET Info"), cp852("DOSTĘP BLOKOWANY SIECIOWO"), cp852("Czy czekamy ?")}));
        if (answer != dialogue::BoxAnswer::kYes) break;
        tries = 0;
      }
    } else {
      if (!queue) queue = access_.talk.op().progress(cp852("Sieciowa KOLEJKA "), kQueueRange);
      queue->advance();
      if (tries > access_.settings.retry_count) {
        tries = 0;
        queue->reset();
      }
    }
  }
  queue.reset();
  access_.talk.op().wait_over();
  if (!ok) last_error_ = platform::kLockViolation;
  return ok;
}

bool RecordFile::lock_file(LockWait wait) {
  if (!access_.settings.network_mode) return locked_ = true;
  if (!wait_for(wait, &RecordFile::try_lock_whole)) return false;
  locked_ = true;
  return true;
}

bool RecordFile::unlock_file() {
  if (!access_.settings.network_mode) {
    locked_ = false;
    return true;
  }
  const bool ok = wait_for(LockWait::kRetry, &RecordFile::try_unlock_whole);
  if (ok) locked_ = false;
  return ok;
}

bool RecordFile::lock_record(long number) {
  if (!access_.settings.network_mode) return true;
  const auto size = static_cast<std::uint64_t>(record_size_);
  for (int t = 0; t < access_.settings.retry_count; ++t)
    if (file_.lock(static_cast<std::uint64_t>(number) * size, size)) return true;
  last_error_ = platform::kLockViolation;
  return false;
}

bool RecordFile::marker_lock() { return !access_.settings.network_mode || file_.lock(0, 1); }
bool RecordFile::marker_unlock() { return !access_.settings.network_mode || file_.unlock(0, 1); }

bool RecordFile::seek(long number) {
  const bool ok = number >= 0 && file_.seek(static_cast<std::uint64_t>(number) * record_size_);
  last_error_ = ok ? platform::kOk : platform::kOtherError;
  return ok;
}

long RecordFile::seek_end() {
  const auto size = file_.size();
  if (!size || !file_.seek_end()) {
    last_error_ = platform::kOtherError;
    return -1;
  }
  return static_cast<long>(*size / record_size_);
}

bool RecordFile::read(long number, std::span<std::uint8_t> buffer) {
  if (!seek(number)) {
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    return false;
  }
  return class_.read(file_, buffer.first(std::min(buffer.size(), record_size_)));
}

long RecordFile::read_records(long first, std::span<std::uint8_t> buffer) {
  const std::size_t wanted = buffer.size() / record_size_ * record_size_;
  if (wanted == 0 || !seek(first)) return 0;
  return static_cast<long>(file_.read(buffer.data(), wanted) / record_size_);
}

bool RecordFile::write(long number, std::span<const std::uint8_t> buffer) {
  return seek(number) && class_.write(file_, buffer.first(std::min(buffer.size(), record_size_)));
}

bool RecordFile::append(std::span<const std::uint8_t> buffer) {
  return file_.seek_end() && class_.write(file_, buffer.first(std::min(buffer.size(), record_size_)));
}

bool RecordFile::flush() { return file_.flush(); }

void RecordFile::fatal(std::string_view operation) {
  const auto lines = lines_of({cp852("Poważny BŁĄD I/O."), "", operation, cp852("Czy KONTYNUOWAĆ PRACĘ ?")});
  if (access_.talk.box(dialogue::Box::kGoOnAfterIoError, lines) != dialogue::BoxAnswer::kYes)
    throw platform::ProgramExit{255};
}

bool RecordFile::grow(long n, std::uint64_t bytes, const std::vector<std::uint8_t>& tail) {
  const std::uint64_t boundary = static_cast<std::uint64_t>(n) * record_size_;
  if (seek(n) && class_.write(file_, fresh_) && file_.flush()) return true;
  // The disk is full (or the share gone): the register stays as it was.
  if (file_.truncate(boundary) && !tail.empty() && file_.seek(boundary))
    file_.write(tail.data(), tail.size());
  file_.truncate(bytes);
  file_.flush();
  return false;
}

long RecordFile::shift_up(long n, bool& ok) {
  const std::size_t size = record_size_;
  std::unique_ptr<dialogue::Progress> progress;
  if (n + 1 > kInsertProgressAbove && access_.settings.insert_progress)
    progress = access_.talk.op().progress(cp852("Wstawianie..."), n + 1);
  std::string fresh_key, stored_key;
  class_.compare_key(ConstRecordView(fresh_), fresh_key);
  // Blocks read back from the end; the records of a block that sort after
  // the new one are written one record further up before the block in
  // front of it is read, so one block is all the memory the insert takes.
  scratch_.resize(static_cast<std::size_t>(kInsertBlockRecords) * size);
  const auto at = [&](long first, long j) {
    return scratch_.data() + static_cast<std::size_t>(j - first) * size;
  };
  long position = n;
  bool found = false;
  while (position > 0 && !found) {
    const long first = std::max(0L, position - kInsertBlockRecords);
    const std::size_t length = static_cast<std::size_t>(position - first) * size;
    if (read_records(first, std::span(scratch_.data(), length)) != position - first) {
      fatal(cp852("odczytu danych").str());
      ok = false;
      break;
    }
    long k = position;
    for (; k > first; --k) {
      if (progress) progress->advance();
      class_.compare_key(ConstRecordView(std::span<const std::uint8_t>(at(first, k - 1), size)), stored_key);
      if (class_.compare(stored_key, fresh_key) >= 0) {
        found = true;
        break;
      }
    }
    const std::size_t moved = static_cast<std::size_t>(position - k) * size;
    if (moved > 0 && (!seek(k + 1) || file_.write(at(first, k), moved) != moved)) {
      fatal(cp852("zapisu danych").str());
      ok = false;
      break;
    }
    position = k;
  }
  return position;
}

bool RecordFile::insert_in_order(std::span<const std::uint8_t> record) {
  const std::size_t size = record_size_;
  fresh_.assign(size, 0);
  std::copy_n(record.begin(), std::min(record.size(), size), fresh_.begin());
  if (!lock_file(LockWait::kAsk)) return false;

  const auto bytes = file_.size();
  const long n = bytes ? static_cast<long>(*bytes / size) : -1;
  std::vector<std::uint8_t> tail;
  if (bytes && *bytes % size != 0) {
    tail.resize(static_cast<std::size_t>(*bytes % size));
    if (!seek(n) || file_.read(tail.data(), tail.size()) != tail.size()) tail.clear();
  }
  if (n < 0 || !grow(n, *bytes, tail)) {
    if (!unlock_file()) fatal(cp852("odblokowania pliku").str());
    fatal(cp852("dopisania do  pliku").str());
    return false;
  }

  bool ok = true;
  const long position = shift_up(n, ok);
  if (ok && position < n && (!seek(position) || !class_.write(file_, fresh_))) {
    fatal(cp852("zapisu danych").str());
    ok = false;
  }
  current_position_ = position;
  if (!unlock_file()) fatal(cp852("odblokowania pliku").str());
  if (!ok) fatal(cp852("wstawienia do pliku").str());
  flush();
  return ok;
}

// --- file-level operations ----------------------------------------------------------

bool file_exists(FileAccess& access, std::string_view name, std::int64_t* size) {
  int pauses = 0;
  for (;;) {
    int error = platform::kOk;
    const auto entry = platform::find_entry(name, &error);
    if (entry) {
      if (size) *size = static_cast<std::int64_t>(entry->size);
      return true;
    }
    if (size) *size = -1;
    if (error == platform::kBadEnvironment || error == platform::kBadFormat) {
      access.talk.report(lines_of({cp852("Niepoprawny format nazwy"), name}));
      return false;
    }
    if (error != platform::kAccessDenied && error != platform::kSharingViolation &&
        error != platform::kLockViolation)
      return false;
    if (pauses == kBusyPausesBeforeAsking) {
      const auto answer =
          access.talk.box(dialogue::Box::kRetryAccess,
                          lines_of({cp852("Dostęp do pliku"), name, cp852("niemożliwy/zabroniony !"),
                                    cp852("Ponowić próbę ?")}));
      if (answer == dialogue::BoxAnswer::kNo) return false;
      pauses = 0;
    }
    access.talk.op().wait_ms(kBusyPauseMs);
    ++pauses;
  }
}

bool delete_file(std::string_view name) { return platform::remove_file(name); }

void set_access_mode(FileLayerSettings& settings, OpenModeWord mode) {
  settings.saved_mode = settings.mode;
  settings.mode = mode;
}

void restore_access_mode(FileLayerSettings& settings) { settings.mode = settings.saved_mode; }

OpenModeWord exclusive_read_mode(const FileLayerSettings& settings) {
  return {Access::kRead, settings.network_mode ? std::uint8_t{kDenyAll} : std::uint8_t{0}};
}

}  // namespace vx::recordfile
