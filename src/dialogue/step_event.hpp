#pragma once
// One step of a run as an event: what was carried where, and how it ended.
#include <cstdint>
#include <string>

namespace vx::dialogue {

enum class Outcome : std::uint8_t {
  kCopied,   // bytes or records written
  kKept,     // the existing target kept by the operator's answer
  kMissing,  // no source (or an empty one): nothing to do
  kRefused,  // a path or name that would leave its tree
  kFailed,   // an error; the message says which
};

struct StepEvent {
  std::string label;   // the label of the step the copy belongs to, if any
  std::string source;  // full paths, CP852
  std::string target;
  Outcome outcome = Outcome::kCopied;
  std::uint64_t records_read = 0;
  std::uint64_t records_written = 0;  // dropped = read - written
  std::uint64_t bytes = 0;            // bytes written to the target by this copy
  std::string message;                // the error line shown, for kFailed
};

}  // namespace vx::dialogue
