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
  // Number given to the next converted document: its position in the 2018
  // document file, counted from 1.
  std::uint32_t next_document_number = 1;
  // Names of the company's 2017 files to hide once it is in place.
  std::vector<std::string> pending_hides;

  // For the whole run: the operator answered "A" at the annual-data question,
  // so every later company with both annual files takes its 2018 file.
  bool annual_choice_all_2018 = false;
  // Set by the global copy while the tax-office base passes through the
  // address record converter.
  bool tax_office_mode = false;

  // Called at the start of every company's copy plan.
  void start_company() {
    from_2018_files = false;
    company_path_2017.clear();
    next_document_number = 1;
    pending_hides.clear();
  }
};

}  // namespace vx::conversion
