#pragma once
// Run-wide state of the copy primitives.
#include <cstdint>

namespace vx::transfer {

// Values of the overwrite policy.
inline constexpr std::int16_t kAskEachFile = 0;
inline constexpr std::int16_t kKeepAllFollowing = 1;
inline constexpr std::int16_t kReplaceAllFollowing = -1;

struct TransferState {
  // 0 ask for each existing target; 1 keep every following; -1 replace every following.
  std::int16_t overwrite_policy = 0;
};

}  // namespace vx::transfer
