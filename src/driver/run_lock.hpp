#pragma once
// One run at a time per 2018 tree: the run-level folder of the 2018 data
// root holds a lock file that a run keeps locked, with the system's own
// locks, from its first write to its end. A run that was killed leaves the
// file but not the lock.
#include <string>
#include <string_view>

#include "driver/session.hpp"
#include "platform/filesystem.hpp"

namespace vx::driver {

inline constexpr std::string_view kRunFolder = "VX1718";
inline constexpr std::string_view kLockFile = "vx17-18.lck";

class RunLock {
 public:
  // Takes the lock of the run's 2018 tree. When another run holds it, or the
  // folder cannot be made, says so in a message box and ends the program
  // with exit code 2, having written nothing.
  explicit RunLock(Session& run);
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

 private:
  platform::File file_;
};

// The exit code of a run that found the 2018 tree busy.
inline constexpr int kBusyExitCode = 2;

}  // namespace vx::driver
