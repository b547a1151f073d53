#pragma once
// "/bo": after a late close of the 2017 books, the opening balances of the
// companies already carried are taken again from BZ.2017, as a run of its
// own that "/cofnij" can take back.
#include <string>

#include "charset/cp852.hpp"
#include "companies/balance_loop.hpp"
#include "driver/program_flow.hpp"
#include "driver/session.hpp"

namespace vx::driver {

inline constexpr auto kBalanceRunEnd = cp852("Koniec przenoszenia BO.2018 z BZ.2017");

struct BalanceRunEnd {
  companies::BalanceCounts counts;
  // The closing lines: the counts, then the report's place or, when nothing
  // changed and the run left no folder, that it was not kept.
  std::string counts_line, report_line;
};

// Each company chosen among those whose 2018 folder holds an annual
// settings file gets its balances again, under the run's lock, journal and
// report.
BalanceRunEnd refresh_chosen_balances(Session& run, const CompanyChoice& choose);

// The operator selects the companies; the closing lines on the screen.
void refresh_balances(Session& run);

}  // namespace vx::driver
