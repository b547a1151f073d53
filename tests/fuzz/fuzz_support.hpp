#pragma once
// Shared ground of the fuzz targets: one scratch directory per process,
// removed when the process ends, and a run whose console answers a bounded
// number of keys and then stops it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "driver/session.hpp"
#include "support/queue_console.hpp"

namespace vx::fuzz {

// The process's scratch directory under $TMPDIR (or /tmp), emptied of
// everything but itself.
const std::filesystem::path& scratch();
// A fresh empty directory of that name inside the scratch directory.
std::filesystem::path fresh_dir(const std::string& name);
void write_bytes(const std::filesystem::path& p, std::span<const std::uint8_t> bytes);

// A run on a console that answers keys picked by the seed byte from those
// the program's questions take, so every answer path is reached.
struct FuzzRun {
  explicit FuzzRun(std::uint8_t seed);
  test::QueueConsole console;
  std::unique_ptr<Session> run;
};

// Character standards picked by a byte: kept, or one converted to the other.
void set_standards(Session& run, std::uint8_t pick);

}  // namespace vx::fuzz
