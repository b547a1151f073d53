#pragma once
// The company half of the copying: the plan of every selected company, and
// its entry in the 2018 register.
#include "companies/office_job.hpp"

namespace vx::companies {

void copy_selected_companies(OfficeJob& office);

}  // namespace vx::companies
