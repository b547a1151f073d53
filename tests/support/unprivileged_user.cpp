#include "support/unprivileged_user.hpp"

#ifdef _WIN32

namespace vx::test {

// Windows has no POSIX permission bits to take away: never active.
UnprivilegedUser::UnprivilegedUser() = default;
UnprivilegedUser::~UnprivilegedUser() = default;
const char* UnprivilegedUser::why_inactive() { return "no permission bits to take away on Windows"; }

}  // namespace vx::test

#else

#include <unistd.h>

namespace vx::test {

namespace {
constexpr uid_t kNobody = 65534;
}

UnprivilegedUser::UnprivilegedUser() {
  if (::geteuid() != 0) {
    active_ = true;
    return;
  }
  switched_ = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
  active_ = switched_;
}

const char* UnprivilegedUser::why_inactive() { return "no ordinary user to run as"; }

UnprivilegedUser::~UnprivilegedUser() {
  if (!switched_) return;
  // Back to root: the saved identity allows it.
  [[maybe_unused]] const int uid = ::seteuid(0);
  [[maybe_unused]] const int gid = ::setegid(0);
}

}  // namespace vx::test

#endif
