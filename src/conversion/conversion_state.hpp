#pragma once
// Run-wide state of the company data conversion.
#include <cstdint>
#include <string>
#include <vector>

namespace vx::conversion {

struct ConversionState {
  // Per company: the company's 2017 directory already held annual data for
  // 2018 and that file was chosen; later steps take their 2018 files too.
  bool from_2018_files = false;
  // The company's 2017 data location (source root + company directory),
  // written into the 2018 company text file.
  std::string company_path_2017;
  // Names of the company's 2017 files to hide once it is in place.
  std::vector<std::string> pending_hides;

  // For the whole run: the operator answered "A" at the annual-data question,
  // so every later company with both annual files takes its 2018 file.
  bool annual_choice_all_2018 = false;

  // Called at the start of every company's copy plan.
  void start_company() {
    from_2018_files = false;
    company_path_2017.clear();
    pending_hides.clear();
  }
};

}  // namespace vx::conversion
