#pragma once
// Another station working on the same record file: a second process that
// takes the whole-file lock, tells the test it holds it, and then either
// waits to be let go or, after a short hold, inserts a record of its own.
#include <functional>
#include <memory>
#include <string>

#include "recordfile/record_file.hpp"

namespace vx::test {

// Records of 8 bytes whose key is their first byte.
class ByteKeyClass final : public recordfile::RecordClass {
 public:
  void key(ConstRecordView r, std::string& out) const override { out.assign(1, static_cast<char>(r.u8(0))); }
};

enum class StationJob {
  kHold,           // the lock kept until released
  kHoldAndInsert,  // the lock kept 300 ms, then the record 'z', 9 inserted in order
};

// The job as the other station runs it; the exit code of that station:
// 0 done, 2 the file could not be opened or locked, 3 the insert failed.
int run_station_job(StationJob job, const std::string& path, const std::function<void()>& holding,
                    const std::function<void()>& wait_for_release);

class SecondStation {
 public:
  // Returns once the other station holds the lock.
  SecondStation(StationJob job, const std::string& path);
  ~SecondStation();
  SecondStation(const SecondStation&) = delete;
  SecondStation& operator=(const SecondStation&) = delete;

  void release();
  // Waits for its end; its exit code.
  int finish();

 private:
  struct Process;
  std::unique_ptr<Process> process_;
};

}  // namespace vx::test
