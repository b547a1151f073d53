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

// The real path of each root (real gives it, empty when it cannot) into
// out; false when one of them could not be resolved.
template <typename Real, typename Path>
bool resolve_roots(const std::vector<std::string>& roots, Real real, std::vector<Path>& out) {
  bool all = true;
  for (const auto& root : roots) {
    Path resolved = real(root);
    if (resolved.empty())
      all = false;
    else
      out.push_back(std::move(resolved));
  }
  return all;
}

// The real roots of a confined run, in the system's own path form.
template <typename Path>
struct TreeRoots {
  bool on = false;
  std::vector<Path> read, write, rename;

  // Resolves the roots with real; false when one of them could not be.
  template <typename Real>
  bool confine(const std::vector<std::string>& read_roots, const std::vector<std::string>& write_roots,
               const std::vector<std::string>& rename_roots, Real real) {
    on = true;
    const bool reads = resolve_roots(read_roots, real, read);
    const bool writes = resolve_roots(write_roots, real, write);
    return resolve_roots(rename_roots, real, rename) && reads && writes;
  }
};

// Whether a real path lies at or below a real root.
template <typename Text>
bool below_root(const Text& real, const Text& root) {
  if (root.empty() || real.size() < root.size() || real.compare(0, root.size(), root) != 0) return false;
  const auto separator = [](auto c) { return c == '/' || c == '\\'; };
  return real.size() == root.size() || separator(root.back()) || separator(real[root.size()]);
}

// A rename is allowed when both of its ends may be written (ea and eb, the
// checks of their folders, whose real paths are a and b), or when both lie
// in one rename root: the hiding of 2017 files.
template <typename Path>
int judge_rename(int ea, int eb, const Path& a, const Path& b, const std::vector<Path>& rename_roots) {
  if (ea == kOk && eb == kOk) return kOk;
  if (a.empty() || b.empty()) return ea != kOk && ea != kOutsideTree ? ea : eb;
  for (const auto& root : rename_roots)
    if (below_root(a, root) && below_root(b, root)) return kOk;
  return kOutsideTree;
}

}  // namespace vx::platform
