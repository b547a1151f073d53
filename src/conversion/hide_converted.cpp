#include "conversion/hide_converted.hpp"

#include <string>

#include "conversion/company_paths.hpp"
#include "conversion/declaration_messages.hpp"
#include "platform/filesystem.hpp"
#include "transfer/file_presence.hpp"

namespace vx::conversion {

namespace {

void hide_now(CompanyJob& job, const std::string& path) {
  const std::string hidden = path + "~";
  if (!platform::rename_entry(path, hidden)) {
    job.talk.line(msg::kRenameFailed + path, dialogue::Tone::kError);
    return;
  }
  job.talk.line(msg::kRenamed + path + msg::kRenamedTo + hidden);
}

}  // namespace

void hide_converted_file(CompanyJob& job, std::string_view path) {
  if (!job.options.hide_converted) return;
  job.state.pending_hides.emplace_back(platform::last_component(path));
}

bool write_pending_hides(CompanyJob& job, std::string_view company_dir) {
  const auto& names = job.state.pending_hides;
  if (names.empty()) return true;
  std::string list;
  for (const auto& name : names) list += name + "\r\n";
  const std::string path = company_file(job.loc.target_root, company_dir, kPendingHidesFile);
  if (platform::write_whole_file(path, list)) return true;
  job.talk.line(msg::kHideListFailed + path, dialogue::Tone::kError);
  job.talk.acknowledge();
  return false;
}

void finish_pending_hides(CompanyJob& job, std::string_view company_dir) {
  job.state.pending_hides.clear();
  const std::string list_path = company_file(job.loc.target_root, company_dir, kPendingHidesFile);
  if (transfer::file_size_of(list_path) == 0) return;
  const auto list = platform::read_whole_file(list_path);
  if (!list) return;
  std::size_t at = 0;
  while (at < list->size()) {
    auto end = list->find_first_of("\r\n", at);
    if (end == std::string::npos) end = list->size();
    const std::string name = list->substr(at, end - at);
    at = end + 1;
    if (plain_file_name(name)) hide_now(job, company_file(job.loc.source_root, company_dir, name));
  }
  platform::remove_file(list_path);
}

}  // namespace vx::conversion
