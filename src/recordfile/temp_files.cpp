#include "recordfile/temp_files.hpp"

#include <random>

#include "platform/filesystem.hpp"

namespace vx::recordfile {

std::string temporary_directory(config::EnvLookup env) {
  for (const char* name : {"vxTEMP", "WEXBOX", "TEMP", "TMP"}) {
    std::string v = env(name);
    if (!v.empty()) return v;
  }
  return {};
}

std::string unique_temp_name(const FileLayerSettings& s, std::string_view dir,
                             std::string_view extension) {
  std::string base(dir.empty() ? std::string_view(s.temp_dir) : dir);
  if (base.empty()) base = std::string(1, '.');
  if (base.back() != '\\' && base.back() != '/') base += platform::kSeparator;
  static std::minstd_rand rng{std::random_device{}()};
  unsigned number = static_cast<unsigned>(rng() % 32767);
  for (;;) {
    std::string name = base + "~vx" + std::to_string(number) + std::string(extension);
    if (!platform::find_entry(name)) return name;
    ++number;
  }
}

}  // namespace vx::recordfile
