#pragma once
// What the file layers of both systems share beyond the public interface.
#include <string>
#include <string_view>
#include <vector>

#include "platform/filesystem.hpp"

namespace vx::platform {

// The C library's errno values as the installation's error codes.
int error_from_errno(int e);

// A name for the next whole-file temporary, matching kWholeFileTempMask;
// the caller creates it exclusively and asks again when it is taken.
std::string whole_file_temp_name();
inline constexpr int kTempNameTries = 100;

// Real paths kept for the confinement may have changed: an entry was
// renamed or removed.
void forget_real_folders();

// A listed name that joined to its folder would name something else.
bool refused_name(std::string_view name);
void sort_entries(std::vector<DirEntry>& entries);

// Whether a real path lies at or below a real root.
template <typename Text>
bool below_root(const Text& real, const Text& root) {
  if (root.empty() || real.size() < root.size() || real.compare(0, root.size(), root) != 0) return false;
  const auto separator = [](auto c) { return c == '/' || c == '\\'; };
  return real.size() == root.size() || separator(root.back()) || separator(real[root.size()]);
}

}  // namespace vx::platform
