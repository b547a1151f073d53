#pragma once
// The company half of the copying: selection, the plan of every selected
// company, and its entry in the 2018 register.
#include "driver/session.hpp"

namespace vx::companies {

void copy_companies(Session& run);

}  // namespace vx::companies
