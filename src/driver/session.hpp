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

namespace vx {

struct Session {
  explicit Session(platform::Console& c) : console(c), out(c), ui(c) { talk.watch(screen); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  platform::Console& console;
  ui::TextOutput out;
  ui::Ui ui;
  config::Environment env;
  Options options;
  Locations loc;
  charset::Charsets cs;
  transfer::TransferState transfer;
  recordfile::FileLayerSettings files;
  companies::CompanyTable companies;
  personnel::PersonnelState personnel;
  conversion::ConversionState conversion;

  // The operator at the console and the screen watching the run.
  console_dialogue::ConsoleOperator op{ui, out, options.show_slowly};
  console_dialogue::ScreenObserver screen{out, ui};
  dialogue::Dialogue talk{op};

  // What each layer of the engine works with, over the state above.
  recordfile::FileAccess file_access{files, talk};
  transfer::Copier copier{talk, cs, transfer};
  personnel::Staff staff{talk, cs, personnel, options, conversion.from_2018_files};
  conversion::CompanyJob company_job{talk, copier, cs, conversion, staff, options, loc};
  companies::OfficeJob office{company_job, file_access, companies, env.register_file_name};
};

}  // namespace vx
