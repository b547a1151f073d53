#pragma once
// The screen " BAZA FIRM " on which the operator chooses the companies.
#include "driver/session.hpp"

namespace vx::driver {

// Loads the register and, when a company is listed, shows the screen; true
// only when the operator ended it with F5.
bool select_companies(Session& run);
// The screen over the companies the table lists already.
bool select_listed_companies(Session& run);

}  // namespace vx::driver
