#pragma once
// The state of one run of the program, owned by main and passed by
// reference: nothing of it lives in globals, so every test starts clean.
#include "charset/polish.hpp"
#include "companies/company_table.hpp"
#include "config/environment.hpp"
#include "conversion/conversion_state.hpp"
#include "config/locations.hpp"
#include "config/options.hpp"
#include "personnel/personnel_state.hpp"
#include "platform/console.hpp"
#include "recordfile/file_layer_settings.hpp"
#include "transfer/transfer_state.hpp"
#include "ui/text_output.hpp"
#include "ui/ui_context.hpp"

namespace vx {

struct Session {
  explicit Session(platform::Console& c) : console(c), out(c), ui(c) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  platform::Console& console;
  ui::TextOutput out;
  config::Environment env;
  Options options;
  Locations loc;
  charset::Charsets cs;
  transfer::TransferState transfer;
  recordfile::FileLayerSettings files;
  companies::CompanyTable companies;
  personnel::PersonnelState personnel;
  // All the screens and dialogs see of the run.
  ui::Ui ui;
  conversion::ConversionState conversion;
};

}  // namespace vx
