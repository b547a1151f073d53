#pragma once
// The key script of the headless console: one key per line, UTF-8.
#include <optional>
#include <string_view>
#include <vector>

#include "platform/console.hpp"

namespace vx::platform {

struct ScriptInput {
  enum Kind { kKey, kMouse } kind = kKey;
  KeyEvent key;
  MouseEvent mouse;
};

// The inputs a line stands for: none for empty lines and comments, several for
// "text ...". std::nullopt when the line fits no form of the script.
std::optional<std::vector<ScriptInput>> parse_script_line(std::string_view line);

}  // namespace vx::platform
