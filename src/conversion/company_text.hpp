#pragma once
// The company text file "FIRMATXT.INI": the company data read from the
// 2017 file as the 2018 program reads it, the 2017 data location recorded,
// and the data written into the 2018 file.
#include <string_view>

#include "conversion/company_job.hpp"

namespace vx::conversion {

// A missing or empty 2017 file writes nothing.
void rewrite_company_text(CompanyJob& job, std::string_view company_dir);

}  // namespace vx::conversion
