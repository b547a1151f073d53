#include "support/unprivileged_user.hpp"

#ifdef _WIN32

#include <windows.h>

namespace vx::test {

UnprivilegedUser::UnprivilegedUser(const std::filesystem::path& unreadable) {
  HANDLE h = CreateFileW(unreadable.wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  held_ = h;
  active_ = true;
}

UnprivilegedUser::~UnprivilegedUser() {
  if (held_) CloseHandle(static_cast<HANDLE>(held_));
}

const char* UnprivilegedUser::why_inactive() { return "the file could not be held unshared"; }

}  // namespace vx::test

#else

#include <unistd.h>

namespace vx::test {

namespace {
constexpr uid_t kNobody = 65534;
}

UnprivilegedUser::UnprivilegedUser(const std::filesystem::path&) {
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
