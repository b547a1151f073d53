#pragma once
// What a line of the copies means to the operator. The screen gives each
// tone its colour; a written report may mark errors and warnings.
#include <cstdint>

namespace vx::dialogue {

enum class Tone : std::uint8_t {
  kNormal,
  kCopyStarts,  // a copy begins: file and size
  kError,       // errors and the questions that follow them
  kWarning,     // answers offered, warnings, notices
  kKeyHint,     // the keys to press; a name picked out
  kQuiet,       // a label in the background
  kPrompt,      // a short question on the open line
};

}  // namespace vx::dialogue
