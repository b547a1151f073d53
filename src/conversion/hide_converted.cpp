#include "conversion/hide_converted.hpp"

#include <string>

#include "conversion/company_path.hpp"
#include "conversion/declaration_messages.hpp"
#include "platform/filesystem.hpp"
#include "transfer/console_prompts.hpp"

namespace vx::conversion {

namespace {

void hide_now(Session& run, const std::string& path) {
  const std::string hidden = path + "~";
  if (!platform::rename_entry(path, hidden)) {
    transfer::set_colour(run, transfer::kError);
    transfer::print_line(run, msg::kRenameFailed + path);
    transfer::set_colour(run, transfer::kNormal);
    return;
  }
  transfer::print_line(run, msg::kRenamed + path + msg::kRenamedTo + hidden);
}

}  // namespace

void hide_converted_file(Session& run, std::string_view path) {
  if (!run.options.hide_converted) return;
  run.conversion.pending_hides.emplace_back(platform::last_component(path));
}

bool write_pending_hides(Session& run, std::string_view company_dir) {
  const auto& names = run.conversion.pending_hides;
  if (names.empty()) return true;
  std::string list;
  for (const auto& name : names) list += name + "\r\n";
  const std::string path = file_2018(run, company_dir, kPendingHidesFile);
  if (platform::write_whole_file(path, list)) return true;
  transfer::set_colour(run, transfer::kError);
  transfer::print_line(run, msg::kHideListFailed + path);
  transfer::set_colour(run, transfer::kNormal);
  transfer::read_key(run);
  return false;
}

void finish_pending_hides(Session& run, std::string_view company_dir) {
  run.conversion.pending_hides.clear();
  const std::string list_path = file_2018(run, company_dir, kPendingHidesFile);
  if (transfer::file_size_of(list_path) == 0) return;
  const auto list = platform::read_whole_file(list_path);
  if (!list) return;
  std::size_t at = 0;
  while (at < list->size()) {
    auto end = list->find_first_of("\r\n", at);
    if (end == std::string::npos) end = list->size();
    const std::string name = list->substr(at, end - at);
    at = end + 1;
    if (plain_file_name(name)) hide_now(run, file_2017(run, company_dir, name));
  }
  platform::remove_file(list_path);
}

}  // namespace vx::conversion
