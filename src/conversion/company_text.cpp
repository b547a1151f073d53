#include "conversion/company_text.hpp"

#include "charset/cp852.hpp"
#include "config/company_data.hpp"
#include "platform/filesystem.hpp"
#include "recordfile/temp_names.hpp"
#include "transfer/file_presence.hpp"
#include "transfer/text_copy.hpp"

namespace vx::conversion {

namespace {

using namespace transfer;

constexpr std::string_view kCompanyTextFile = "FIRMATXT.INI";
constexpr int kWorkingYear = 2018;

constexpr auto kOpenFailed = cp852("Błąd otwarcia pliku ");
constexpr auto kCreateFailed = cp852("Błąd utworzenia pliku ");
constexpr auto kWriteFailed = cp852("Błąd zapisu do pliku ");

void report_failure(CompanyJob& job, std::string_view message) {
  job.talk.failure(message);
  job.talk.acknowledge();
}

// The 2017 data location as the annual settings conversion kept it.
std::string company_path_2017(const CompanyJob& job, std::string_view company_dir) {
  if (!job.state.company_path_2017.empty()) return job.state.company_path_2017;
  return job.loc.source_root + std::string(company_dir);
}

// The data were written in the source standard; the text copy converts
// them into the 2018 file.
void copy_converted(CompanyJob& job, std::string_view temporary, std::string_view target) {
  copy_text_file(job.copier, temporary, target);
}

}  // namespace

void rewrite_company_text(CompanyJob& job, std::string_view company_dir) {
  const std::string dir = std::string(company_dir) + platform::kSeparator;
  const std::string source = job.loc.source_root + dir + std::string(kCompanyTextFile);
  const std::string target = job.loc.target_root + dir + std::string(kCompanyTextFile);
  if (file_size_of(source) == 0) return;

  config::CompanyData data;
  if (!config::company_data_transfer(source, config::Direction::kRead, data, kWorkingYear)) {
    report_failure(job, kOpenFailed + source);
    return;
  }
  // Read with the 2018 keys, the file holds nothing yet for the year before.
  data.earlier_years[0] = company_path_2017(job, company_dir);

  if (job.cs.no_char_conversion()) {
    if (!config::company_data_transfer(target, config::Direction::kWrite, data, kWorkingYear))
      report_failure(job, kWriteFailed + target);
    return;
  }

  const std::string temporary = recordfile::unique_temp_name();
  if (temporary.empty() ||
      !config::company_data_transfer(temporary, config::Direction::kWrite, data, kWorkingYear)) {
    platform::remove_file(temporary);
    report_failure(job, kCreateFailed + temporary);
    return;
  }
  copy_converted(job, temporary, target);
  platform::remove_file(temporary);  // a leftover in the temporary directory harms nothing
}

}  // namespace vx::conversion
