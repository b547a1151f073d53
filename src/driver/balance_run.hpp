#pragma once
// "/bo": after a late close of the 2017 books, the opening balances of the
// companies already carried are taken again from BZ.2017, as a run of its
// own that "/cofnij" can take back.
#include "driver/session.hpp"

namespace vx::driver {

// The operator selects among the companies whose 2018 folder holds an
// annual settings file; each selected one gets its balances again.
void refresh_balances(Session& run);

}  // namespace vx::driver
