#pragma once
// Bytes typed on a terminal turned into PC keys and mouse clicks: escape
// sequences of xterm, VT220, rxvt and the Linux console, Alt as an ESC
// prefix, Ctrl+letters as control bytes and UTF-8 characters as CP852.
#include <string>
#include <string_view>
#include <vector>

#include "platform/console.hpp"

namespace vx::platform {

struct TerminalInput {
  enum Kind { kKey, kMouse } kind = kKey;
  KeyEvent key;
  MouseEvent mouse;  // terminal column and row, counted from 1
};

class TerminalKeyParser {
 public:
  // Takes the next bytes; every input they complete is appended to out.
  // An unfinished sequence waits for more bytes.
  void feed(std::string_view bytes, std::vector<TerminalInput>& out);
  // No further byte came within the escape delay: a lone ESC is the Esc key,
  // ESC O is Alt+Shift+O, any other unfinished sequence is dropped.
  void delay_passed(std::vector<TerminalInput>& out);
  // Bytes held back waiting for the rest of a sequence.
  bool pending() const { return !held_.empty(); }

 private:
  std::string held_;
};

}  // namespace vx::platform
