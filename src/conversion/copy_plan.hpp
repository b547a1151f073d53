#pragma once
// The ordered plan of everything carried from one company's 2017 directory
// into its 2018 directory.
#include <string>

#include "driver/run.hpp"

namespace vx::conversion {

// True when the plan ran to its end and the company is to be entered in the
// 2018 register; false when an opening check stopped it.
bool copy_company(Run& run, const std::string& company_dir);

}  // namespace vx::conversion
