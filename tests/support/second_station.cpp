#include "support/second_station.hpp"

#include <chrono>
#include <thread>

#include "platform/filesystem.hpp"
#include "support/scripted_run.hpp"

namespace vx::test {

int run_station_job(StationJob job, const std::string& path, const std::function<void()>& holding,
                    const std::function<void()>& wait_for_release) {
  using namespace recordfile;
  if (job == StationJob::kHold) {
    platform::File f;
    if (!f.open(path, platform::File::Mode::kReadWrite) || !f.lock(0, kWholeFileLockLength)) return 2;
    holding();
    wait_for_release();
    return 0;
  }
  ScriptedRun other;
  const ByteKeyClass cls;
  RecordFile f(other.run().file_access, path, 8, cls);
  if (!f.open(LockWait::kRetry, OpenMode::kOpenExisting) || !f.lock_file(LockWait::kRetry)) return 2;
  holding();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  f.unlock_file();
  const std::uint8_t record[8] = {'z', 9, 0, 0, 0, 0, 0, 0};
  return f.insert_in_order(record) ? 0 : 3;
}

}  // namespace vx::test
