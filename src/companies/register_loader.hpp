#pragma once
// Reads the 2017 company register into the company table.
#include "driver/session.hpp"

namespace vx::companies {

// Fills run.companies from the 2017 register; returns the number listed.
// Ends the program when the register cannot be read at all.
int load_register(Session& run);

}  // namespace vx::companies
