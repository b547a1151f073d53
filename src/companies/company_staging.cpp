#include "companies/company_staging.hpp"

#include "charset/cp852.hpp"
#include "platform/filesystem.hpp"
#include "transfer/file_presence.hpp"

namespace vx::companies {

namespace {

constexpr auto kAbandonedRemoved = cp852("Usunięto niedokończone kopiowanie firmy z katalogu ");
constexpr auto kAbandonedLeft = cp852("Nie można usunąć niedokończonego kopiowania ");
constexpr auto kPutInPlaceFailed = cp852("Błąd zmiany nazwy katalogu ");
constexpr auto kTo = cp852(" na ");

void error_line(OfficeJob& office, std::string_view text) {
  office.company.talk.line(text, dialogue::Tone::kError);
}

}  // namespace

void remove_abandoned_staging(OfficeJob& office) {
  const std::string mask = std::string(kStagingPrefix) + "*";
  for (const auto& entry : platform::list_directory(office.company.loc.target_root, mask).entries) {
    if (!entry.is_dir || entry.name.size() <= kStagingPrefix.size()) continue;
    const std::string path = office.company.loc.target_root + entry.name;
    if (platform::remove_tree(path))
      office.company.talk.line(kAbandonedRemoved + entry.name.substr(kStagingPrefix.size()));
    else
      error_line(office, kAbandonedLeft + path);
  }
}

CompanyStaging::CompanyStaging(OfficeJob& office, const std::string& company_dir)
    : office_(office),
      final_folder_(office.company.loc.target_root + company_dir),
      staging_folder_(office.company.loc.target_root + std::string(kStagingPrefix) + company_dir) {
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
  error_line(office_, kPutInPlaceFailed + staging_folder_ + kTo + final_folder_);
  office_.company.talk.acknowledge();
  return false;
}

}  // namespace vx::companies
