#include "recordfile/temp_names.hpp"

#include <random>

#include "platform/filesystem.hpp"
#include "platform/process.hpp"

namespace vx::recordfile {

namespace {

bool ends_with_separator(std::string_view dir) {
  return !dir.empty() && (dir.back() == '\\' || dir.back() == '/');
}

std::string with_separator(std::string dir) {
  if (!ends_with_separator(dir)) dir += platform::kSeparator;
  return dir;
}

}  // namespace

std::string temporary_directory(config::EnvLookup env) {
  for (const char* name : {"vxTEMP", "WEXBOX", "TEMP", "TMP"}) {
    const std::string value = env(name);
    if (!value.empty()) return with_separator(value);
  }
  const std::string system = platform::system_temp_directory();
  return system.empty() ? std::string() : with_separator(system);
}

std::string unique_temp_name(std::string_view dir, std::string_view extension, int start) {
  const std::string base = dir.empty() ? temporary_directory(platform::environment_value)
                                       : with_separator(std::string(dir));
  for (int tries = 0; tries < kTempNumberLimit; ++tries) {
    const int number = (start + tries) % kTempNumberLimit;
    std::string name = base + "~vx" + std::to_string(number) + std::string(extension);
    if (!platform::find_entry(name)) return name;
  }
  return {};
}

std::string unique_temp_name(std::string_view dir, std::string_view extension) {
  std::random_device seed;
  std::uniform_int_distribution<int> pick(0, kTempNumberLimit - 1);
  return unique_temp_name(dir, extension, pick(seed));
}

}  // namespace vx::recordfile
