#pragma once
// A company is carried whole or not at all: its files are built in a
// staging folder beside its 2018 folder and the folder is renamed into place
// when the plan has finished. The staging name is longer than any register
// folder name can be, so it never meets a company's own folder.
#include <optional>
#include <string>
#include <string_view>

#include "companies/office_job.hpp"
#include "platform/staged_folder.hpp"

namespace vx::companies {

using platform::kStagingPrefix;

// Removes the staging folders a stopped run left in the 2018 root, each
// said on one line; their companies are offered again.
void remove_abandoned_staging(OfficeJob& office);

class CompanyStaging {
 public:
  // Starts a fresh staging folder for the company's directory: from now on
  // its 2018 paths lead there.
  CompanyStaging(OfficeJob& office, const std::string& company_dir);
  // Discards the staging folder unless it was put in place.
  ~CompanyStaging();
  CompanyStaging(const CompanyStaging&) = delete;
  CompanyStaging& operator=(const CompanyStaging&) = delete;

  // The company's 2018 paths lead to its final folder again.
  void end_mapping() { mapping_.reset(); }
  // Renames the staging folder into place; false (reported) when it failed.
  bool put_in_place();

 private:
  OfficeJob& office_;
  std::string final_folder_;
  std::string staging_folder_;
  std::optional<platform::StagedFolder> mapping_;
  bool in_place_ = false;
};

}  // namespace vx::companies
