#pragma once
// Reads the 2017 company register into the company table.
#include "companies/office_job.hpp"

namespace vx::companies {

// Fills office.table from the 2017 register; returns the number listed.
// Ends the program when the register cannot be read at all.
int load_register(OfficeJob& office);

}  // namespace vx::companies
