#pragma once
// Builds a company's 2018 annual settings file from its 2017 file (a new
// year opened) or from a 2018 file already started in the 2017 installation
// (carried as it is), and settles the company's character standards.
#include <string_view>

#include "conversion/company_job.hpp"

namespace vx::conversion {

// Never stops the company's plan: failures are reported on the console and
// leave no 2018 annual file.
void convert_annual_settings(CompanyJob& job, std::string_view company_dir);

}  // namespace vx::conversion
