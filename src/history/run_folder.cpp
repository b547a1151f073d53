#include "history/run_folder.hpp"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "history/journal_format.hpp"
#include "platform/filesystem.hpp"
#include "platform/staged_folder.hpp"

namespace vx::history {

Stamp now() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &t);
#else
  localtime_r(&t, &tm);
#endif
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

namespace {
std::string formatted(const Stamp& s, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, s.year, s.month, s.day, s.hour, s.minute, s.second);
  return text;
}
}  // namespace

std::string folder_name(const Stamp& s) { return formatted(s, "%04d-%02d-%02d_%02d-%02d-%02d"); }
std::string shown(const Stamp& s) { return formatted(s, "%04d-%02d-%02d %02d:%02d:%02d"); }

std::optional<std::string> make_run_folder(std::string_view target_root, const Stamp& s) {
  const std::string runs = std::string(target_root) + std::string(kRunsFolder);
  if (!platform::is_directory(runs) && !platform::make_directory(runs)) return std::nullopt;
  const std::string runs_in = runs + platform::kSeparator;
  // The folder is made under the program's own name with its journal begun
  // and only then named as a run: killed at any moment, a start leaves no
  // run folder that an undo could not read. One killed so is swept here.
  const std::string mask = std::string(platform::kOwnNamePrefix) + "*";
  for (const auto& e : platform::list_directory(runs, mask).entries)
    if (e.is_dir) platform::remove_tree(runs_in + e.name);
  const std::string name = folder_name(s);
  const std::string staging = runs_in + std::string(platform::kOwnNamePrefix) + "-" + name;
  const std::string header = std::string(kJournalHeader) + "\n";
  if (!platform::make_directory(staging) ||
      !platform::write_whole_file(staging + platform::kSeparator + std::string(kJournalFile), header)) {
    platform::remove_tree(staging);
    return std::nullopt;
  }
  for (int n = 1; n < 100; ++n) {
    const std::string path = runs_in + (n == 1 ? name : name + "_" + std::to_string(n));
    if (platform::find_entry(path)) continue;
    if (platform::rename_entry(staging, path)) return path + platform::kSeparator;
  }
  platform::remove_tree(staging);
  return std::nullopt;
}

}  // namespace vx::history
