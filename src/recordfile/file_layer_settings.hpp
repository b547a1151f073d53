#pragma once
// Program-wide settings of the shared record-file layer.
#include <cstdint>
#include <string>

namespace vx::recordfile {

enum class Access : std::uint8_t { kRead, kWrite, kReadWrite };
// Sharing flags as the network share understands them.
enum Sharing : std::uint8_t {
  kDenyAll = 0x10,
  kDenyWrite = 0x20,
  kDenyRead = 0x30,
  kDenyNone = 0x40,
};

struct OpenModeWord {
  Access access = Access::kReadWrite;
  std::uint8_t sharing = kDenyNone;  // 0 when sharing is off
};

struct FileLayerSettings {
  bool network_mode = true;        // off: locks succeed without a system call
  OpenModeWord mode{};             // the program-wide open mode
  OpenModeWord saved_mode{};       // kept by set/restore of the access mode
  int retry_count = 30;
  int retry_pause_ms = 50;
  bool insert_progress = true;     // progress window for inserts into long files
};

}  // namespace vx::recordfile
