#pragma once
// The state of one run of the program, owned by main and passed by
// reference: nothing of it lives in globals, so every test starts clean.
// The driver alone sees it whole; each layer below is handed the part it
// works with.
#include "charset/polish.hpp"
#include "companies/company_table.hpp"
#include "companies/office_job.hpp"
#include "config/environment.hpp"
#include "config/locations.hpp"
#include "config/options.hpp"
#include "config/unattended_answers.hpp"
#include "console_dialogue/console_operator.hpp"
#include "console_dialogue/screen_observer.hpp"
#include "conversion/company_job.hpp"
#include "conversion/conversion_state.hpp"
#include "dialogue/dialogue.hpp"
#include "personnel/personnel_state.hpp"
#include "personnel/staff.hpp"
#include "platform/console.hpp"
#include "recordfile/file_access.hpp"
#include "recordfile/file_layer_settings.hpp"
#include "transfer/copier.hpp"
#include "transfer/transfer_state.hpp"
#include "ui/text_output.hpp"
#include "ui/ui_context.hpp"
#include "unattended/auto_operator.hpp"
#include "unattended/progress_display.hpp"

namespace vx {

struct Session {
  // Without an operator the run is unattended: its answers come from a
  // profile and its progress goes to standard output, not to the screen.
  explicit Session(platform::Console& c, bool without_operator = false)
      : console(c), out(c), ui(c), unattended_run(without_operator) {
    if (unattended_run)
      talk.watch(progress);
    else
      talk.watch(screen);
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  platform::Console& console;
  ui::TextOutput out;
  ui::Ui ui;
  const bool unattended_run;
  config::Environment env;
  Options options;
  Locations loc;
  charset::Charsets cs;
  transfer::TransferState transfer;
  recordfile::FileLayerSettings files;
  companies::CompanyTable companies;
  personnel::PersonnelState personnel;
  conversion::ConversionState conversion;

  // The operator at the console and the screen watching the run; or the
  // profile's answers and the progress lines.
  console_dialogue::ConsoleOperator op{ui, out, options.show_slowly};
  console_dialogue::ScreenObserver screen{out, ui};
  config::UnattendedAnswers answers;
  unattended::AutoOperator auto_op{answers, console};
  unattended::ProgressDisplay progress{console};
  dialogue::Dialogue talk{unattended_run ? static_cast<dialogue::Operator&>(auto_op) : op};

  // What each layer of the engine works with, over the state above.
  recordfile::FileAccess file_access{files, talk};
  transfer::Copier copier{talk, cs, transfer};
  personnel::Staff staff{talk, cs, personnel, options, conversion.from_2018_files};
  conversion::CompanyJob company_job{talk, copier, cs, conversion, staff, options, loc};
  companies::OfficeJob office{company_job, file_access, companies, env.register_file_name};
};

}  // namespace vx
