#include "driver/program_flow.hpp"

#include <optional>

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "companies/company_loop.hpp"
#include "companies/register_loader.hpp"
#include "console_dialogue/screen_lines.hpp"
#include "driver/balance_run.hpp"
#include "driver/data_locations.hpp"
#include "driver/global_copy.hpp"
#include "driver/run_journal.hpp"
#include "driver/selection_screen.hpp"
#include "driver/unattended_run.hpp"
#include "driver/usage_screen.hpp"
#include "driver/wizard.hpp"
#include "driver/wizard_choices.hpp"
#include "driver/writing_run.hpp"
#include "ui/message_box.hpp"

namespace vx::driver {

void copy_companies(Session& run, const CompanyChoice& choose) {
  const dialogue::Dialogue::Scope window(run.talk, dialogue::Area::kCopyWindow);
  if (choose(run)) companies::copy_selected_companies(run.office);
  run.companies.entries.clear();
  run.talk.new_page();
}

void copy_companies(Session& run) { copy_companies(run, select_companies); }

void show_banner(Session& run) {
  run.console.show_cursor(false);
  run.out.set_background(console_dialogue::kBlack);
  console_dialogue::set_colour(run.out, console_dialogue::kLightGreen);
  run.out.clear();
  console_dialogue::print_line(
      run.out, cp852(" PROGRAM DO PRZEPCHNIĘCIA DANYCH WEX_VX Z ROKU 2017 NA 2018 1.04(x86)"));
  console_dialogue::set_colour(run.out, console_dialogue::kKeyHint);
  console_dialogue::print_line(run.out, std::string(80, '\xC4'));
  console_dialogue::set_colour(run.out, console_dialogue::kNormal);
}

void end_sequence(Session& run) {
  run.console.show_cursor(true);
  run.talk.pause_if_slow();
  console_dialogue::write_clipped(run.out, cp852("Nacisnij Enter"));
  console_dialogue::read_key(run.console);
  run.out.clear();
}

bool run_wizard(Session& run) {
  int page = kFirstPage;
  for (;;) {
    auto form = make_page(run, page);
    if (!form) return false;
    const std::uint16_t command = form->Execute();
    form.reset();
    switch (command) {
      case cmCancel:
        if (ui::yes_no_prompt(run.ui, 10, 10, cp852("Rezygnujesz z konwersji danych na nowy rok ?"), false))
          return false;
        break;
      case cmBack:
        if (page > kFirstPage) --page;
        break;
      case cmNext:
        if (page < kLastPage) ++page;
        break;
      case cmStart:
        return true;
      default:
        break;
    }
  }
}

bool has_switch(const std::vector<std::string>& arguments, std::string_view name) {
  for (const auto& a : arguments)
    if (charset::upper_text(a) == name) return true;
  return false;
}

std::unique_ptr<WritingRun> copy_chosen(Session& run, const CompanyChoice& choose, Choices more) {
  const Options& o = run.options;
  const bool global = has_bit(o.copy_scope, kCopyGlobal) && o.global_items != 0;
  const bool companies = has_bit(o.copy_scope, kCopyCompanies);
  if (!global && !companies) return nullptr;
  // Held from the first write to the end of the copying.
  Choices choices = wizard_choices(run);
  for (auto& c : more) choices.push_back(std::move(c));
  auto writing = std::make_unique<WritingRun>(run, std::move(choices));
  if (global) copy_global_data(run);
  if (companies) copy_companies(run, choose);
  writing->finish();
  return writing;
}

void copy_data(Session& run) {
  const auto writing = copy_chosen(run, select_companies, {});
  console_dialogue::print_line(run.out, "");
  console_dialogue::print_line(run.out, "");
  console_dialogue::print_line(run.out, cp852("Koniec pracy kopiera danych WEX_VX na rok 2018"));
  if (writing) {
    console_dialogue::print_line(run.out, writing->report().summary_line());
    console_dialogue::print_line(run.out, report_file_line(writing->report()));
  }
}

std::string report_file_line(const history::RunReport& report) {
  return report.sound() ? "Raport: " + report.report_file() : cp852("Raport: nie zapisano w całości").str();
}

void run_program(Session& run, const std::vector<std::string>& arguments) {
  run.out.set_window(ui::kFullScreen);
  if (!arguments.empty() && arguments[0].find('?') != std::string::npos) {
    show_usage(run);
    console_dialogue::read_key(run.console);
    return;
  }
  if (run.unattended_run) {
    run_unattended(run, arguments);
    return;
  }
  run.loc.company_file_list = read_company_file_list(run.env.program_base + ".LST");
  settle_data_roots(run, arguments);
  show_banner(run);
  if (has_switch(arguments, kUndoSwitch)) {
    const bool undone = undo_last_run(run);
    end_sequence(run);
    if (!undone) throw platform::ProgramExit{kNothingUndone};
    return;
  }
  if (has_switch(arguments, kBalanceSwitch)) {
    refresh_balances(run);
    end_sequence(run);
    return;
  }
  if (run_wizard(run)) copy_data(run);
  end_sequence(run);
}

}  // namespace vx::driver
