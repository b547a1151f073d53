#pragma once
// Runs a stretch of a test as an ordinary user, so that file permissions
// hold even when the tests themselves run as root.
namespace vx::test {

class UnprivilegedUser {
 public:
  // Takes the effective identity of "nobody" when running as root; active()
  // tells whether permissions now apply to the test.
  UnprivilegedUser();
  ~UnprivilegedUser();
  UnprivilegedUser(const UnprivilegedUser&) = delete;
  UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

  bool active() const { return active_; }
  // Why a test that needs permissions cannot run here.
  static const char* why_inactive();

 private:
  bool switched_ = false;
  bool active_ = false;
};

}  // namespace vx::test
