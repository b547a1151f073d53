#pragma once
// Failures a test can ask for: the nth write, read, close of a written file
// or rename from now fails as on a full disk (or an unreadable disk for a
// read). Nothing arms them but a test.
namespace vx::platform::testing {

enum class Fault { kWrite, kRead, kClose, kRename, kCount };

// n = 1 makes the next one fail; 0 disarms that kind.
void fail_after(Fault kind, int n);
void clear_faults();

// For the file layer: true when this operation is the one to fail.
bool fault_now(Fault kind);

}  // namespace vx::platform::testing
