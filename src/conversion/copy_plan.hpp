#pragma once
// The ordered plan of everything carried from one company's 2017 directory
// into its 2018 directory.
#include <functional>
#include <string>

#include "conversion/company_job.hpp"

namespace vx::conversion {

// Runs the plan, then put_in_place (register entry, folder renamed into
// place, 2017 files hidden) before the closing line. True when the company
// was carried over; false when an opening check stopped the plan or it could
// not be put in place.
bool copy_company(CompanyJob& job, const std::string& company_dir, const std::function<bool()>& put_in_place);

}  // namespace vx::conversion
