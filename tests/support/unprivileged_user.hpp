#pragma once
// Runs a stretch of a test where a file cannot be read: as an ordinary user
// on Linux, so that the permissions the test took away hold even when the
// tests run as root; on Windows, which has no such bits, while the file is
// held open by this process without sharing, as by another program.
#include <filesystem>

namespace vx::test {

class UnprivilegedUser {
 public:
  // Takes the effective identity of "nobody" when running as root, or on
  // Windows holds the file; active() tells whether the file is now refused.
  explicit UnprivilegedUser(const std::filesystem::path& unreadable);
  ~UnprivilegedUser();
  UnprivilegedUser(const UnprivilegedUser&) = delete;
  UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

  bool active() const { return active_; }
  // Why a test that needs the file refused cannot run here.
  static const char* why_inactive();

 private:
  bool switched_ = false;
  bool active_ = false;
  void* held_ = nullptr;  // the unshared handle on Windows
};

}  // namespace vx::test
