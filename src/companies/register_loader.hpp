#pragma once
// Reads the 2017 company register into the company table.
#include <string_view>

#include "companies/office_job.hpp"

namespace vx::companies {

// Fills office.table from the 2017 register; returns the number listed.
// Ends the program when the register cannot be read at all.
int load_register(OfficeJob& office);

// Fills office.table with the companies of the 2017 register already
// carried: their 2018 folder holds the file named. Returns the number listed.
int load_carried_companies(OfficeJob& office, std::string_view file_name);

}  // namespace vx::companies
