#include "driver/balance_run.hpp"

#include <string>

#include "charset/cp852.hpp"
#include "companies/balance_loop.hpp"
#include "companies/register_loader.hpp"
#include "console_dialogue/screen_lines.hpp"
#include "conversion/annual_records.hpp"
#include "driver/program_flow.hpp"
#include "driver/selection_screen.hpp"
#include "driver/writing_run.hpp"

namespace vx::driver {

namespace {

constexpr auto kRunKind = cp852("Przebieg");
constexpr auto kRunKindValue = cp852("/bo - BO.2018 ponownie z BZ.2017");
constexpr auto kNothingWritten = cp852("Niczego nie zmieniono: przebiegu nie zapisano.");

std::string counts_line(const companies::BalanceCounts& c) {
  return cp852("Firm ze zmienionym BO.2018: ") + std::to_string(c.written) + cp852(", bez zmian: ") +
         std::to_string(c.unchanged) + cp852(", pominiętych: ") + std::to_string(c.skipped);
}

}  // namespace

BalanceRunEnd refresh_chosen_balances(Session& run, const CompanyChoice& choose) {
  BalanceRunEnd end;
  WritingRun writing(run, {{kRunKind.str(), kRunKindValue.str()}});
  {
    const dialogue::Dialogue::Scope window(run.talk, dialogue::Area::kCopyWindow);
    if (companies::load_carried_companies(run.office, conversion::annual::k2018File) > 0 && choose(run))
      end.counts = companies::refresh_selected_balances(run.office);
    run.companies.entries.clear();
    run.talk.new_page();
  }
  writing.finish();
  end.counts_line = counts_line(end.counts);
  if (end.counts.written > 0) {
    end.report_line = report_file_line(writing.report());
  } else {
    // Nothing to take back: "/cofnij" goes on to the run before it.
    writing.forget();
    end.report_line = kNothingWritten.str();
  }
  return end;
}

void refresh_balances(Session& run) {
  const BalanceRunEnd end = refresh_chosen_balances(run, select_listed_companies);
  console_dialogue::print_line(run.out, "");
  console_dialogue::print_line(run.out, "");
  console_dialogue::print_line(run.out, kBalanceRunEnd);
  console_dialogue::print_line(run.out, end.counts_line);
  console_dialogue::print_line(run.out, end.report_line);
}

}  // namespace vx::driver
