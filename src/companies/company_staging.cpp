#include "companies/company_staging.hpp"

#include "charset/cp852.hpp"
#include "platform/filesystem.hpp"
#include "transfer/console_prompts.hpp"

namespace vx::companies {

namespace {

constexpr auto kAbandonedRemoved = cp852("Usunięto niedokończone kopiowanie firmy z katalogu ");
constexpr auto kAbandonedLeft = cp852("Nie można usunąć niedokończonego kopiowania ");
constexpr auto kPutInPlaceFailed = cp852("Błąd zmiany nazwy katalogu ");
constexpr auto kTo = cp852(" na ");

void error_line(Session& run, std::string_view text) {
  transfer::set_colour(run, transfer::kError);
  transfer::print_line(run, text);
  transfer::set_colour(run, transfer::kNormal);
}

}  // namespace

void remove_abandoned_staging(Session& run) {
  const std::string mask = std::string(kStagingPrefix) + "*";
  for (const auto& entry : platform::list_directory(run.loc.target_root, mask).entries) {
    if (!entry.is_dir || entry.name.size() <= kStagingPrefix.size()) continue;
    const std::string path = run.loc.target_root + entry.name;
    if (platform::remove_tree(path))
      transfer::print_line(run, kAbandonedRemoved + entry.name.substr(kStagingPrefix.size()));
    else
      error_line(run, kAbandonedLeft + path);
  }
}

CompanyStaging::CompanyStaging(Session& run, const std::string& company_dir)
    : run_(run),
      final_folder_(run.loc.target_root + company_dir),
      staging_folder_(run.loc.target_root + std::string(kStagingPrefix) + company_dir) {
  // A folder left by a failed put in place of an earlier register entry.
  if (platform::find_entry(staging_folder_)) platform::remove_tree(staging_folder_);
  mapping_.emplace(final_folder_, staging_folder_);
}

CompanyStaging::~CompanyStaging() {
  mapping_.reset();
  if (!in_place_ && platform::find_entry(staging_folder_)) platform::remove_tree(staging_folder_);
}

bool CompanyStaging::put_in_place() {
  mapping_.reset();
  if (platform::rename_entry(staging_folder_, final_folder_)) {
    in_place_ = true;
    return true;
  }
  error_line(run_, kPutInPlaceFailed + staging_folder_ + kTo + final_folder_);
  transfer::read_key(run_);
  return false;
}

}  // namespace vx::companies
