#pragma once
// "/bo": the opening balance of every selected company taken again from
// its 2017 books, in the copy window.
#include "companies/office_job.hpp"

namespace vx::companies {

struct BalanceCounts {
  int written = 0, unchanged = 0, skipped = 0;
};

BalanceCounts refresh_selected_balances(OfficeJob& office);

}  // namespace vx::companies
