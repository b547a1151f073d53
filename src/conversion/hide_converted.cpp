#include "conversion/hide_converted.hpp"

#include <string>

#include "conversion/declaration_messages.hpp"
#include "platform/filesystem.hpp"
#include "transfer/console_prompts.hpp"

namespace vx::conversion {

void hide_converted_file(Run& run, std::string_view path) {
  if (!run.options.hide_converted) return;
  const std::string hidden = std::string(path) + "~";
  if (!platform::rename_entry(path, hidden)) {
    transfer::set_colour(run, transfer::kError);
    transfer::write_clipped(run, msg::kRenameFailed + path);
    transfer::set_colour(run, transfer::kNormal);
    return;
  }
  transfer::write_clipped(run, msg::kRenamed + path + msg::kRenamedTo + hidden);
}

}  // namespace vx::conversion
