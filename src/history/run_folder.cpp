#include "history/run_folder.hpp"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "platform/filesystem.hpp"

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
  const std::string base = runs + platform::kSeparator + folder_name(s);
  for (int n = 1; n < 100; ++n) {
    const std::string path = n == 1 ? base : base + "_" + std::to_string(n);
    if (platform::find_entry(path)) continue;
    if (platform::make_directory(path)) return path + platform::kSeparator;
  }
  return std::nullopt;
}

}  // namespace vx::history
