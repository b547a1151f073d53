#pragma once
// The folder of one run under the run-level folder of the 2018 data root:
// VX1718/<date>_<time>, where its report, journal and backups are kept.
#include <optional>
#include <string>
#include <string_view>

namespace vx::history {

inline constexpr std::string_view kRunsFolder = "VX1718";

// The local date and time, as a run folder and a report show them.
struct Stamp {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
Stamp now();
// "2018-01-05_09-30-00": sorts as the runs went.
std::string folder_name(const Stamp& s);
// "2018-01-05 09:30:00".
std::string shown(const Stamp& s);

// Makes a new run folder in the 2018 data root (which ends with a
// separator), its journal begun with its first line; a second run in the
// same second gets "_2" and so on. The folder's path ending with a
// separator, or nothing when it cannot be made.
std::optional<std::string> make_run_folder(std::string_view target_root, const Stamp& s);

}  // namespace vx::history
