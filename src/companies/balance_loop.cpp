#include "companies/balance_loop.hpp"

#include "charset/cp852.hpp"
#include "conversion/opening_balance.hpp"
#include "platform/filesystem.hpp"

namespace vx::companies {

BalanceCounts refresh_selected_balances(OfficeJob& office) {
  auto& talk = office.company.talk;
  // The roots are read once for all the companies, not once per company.
  const platform::ListingScope listings;
  BalanceCounts counts;
  for (const auto& entry : office.table.entries) {
    if (!entry.selected) continue;
    talk.company(entry.name(), entry.directory());
    talk.line("");
    talk.line(cp852("BO.2018     - FIRMA   : ") + entry.name());
    talk.line(cp852("              Katalog : ") + entry.directory());
    const auto result = conversion::refresh_opening_balance(office.company, entry.directory());
    switch (result) {
      case conversion::BalanceRefresh::kWritten: ++counts.written; break;
      case conversion::BalanceRefresh::kUnchanged: ++counts.unchanged; break;
      case conversion::BalanceRefresh::kSkipped: ++counts.skipped; break;
    }
    talk.company_done(result != conversion::BalanceRefresh::kSkipped);
  }
  return counts;
}

}  // namespace vx::companies
