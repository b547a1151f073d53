#pragma once
// The engine without the console: every context of the copies over state of
// its own, a scripted operator answering and a transcript observer watching.
#include <string>

#include "companies/office_job.hpp"
#include "support/scripted_operator.hpp"
#include "support/transcript_observer.hpp"

namespace vx::test {

struct EngineRun {
  explicit EngineRun(std::string answers = "") : op(std::move(answers)) { talk.watch(seen); }
  EngineRun(const EngineRun&) = delete;
  EngineRun& operator=(const EngineRun&) = delete;

  ScriptedOperator op;
  TranscriptObserver seen;
  dialogue::Dialogue talk{op};

  charset::Charsets cs;
  Options options;
  Locations loc;
  std::string register_file_name = "SPISFIRM.DAT";
  transfer::TransferState transfer_state;
  recordfile::FileLayerSettings file_settings;
  personnel::PersonnelState personnel;
  conversion::ConversionState conversion;
  companies::CompanyTable companies;

  recordfile::FileAccess files{file_settings, talk};
  transfer::Copier copier{talk, cs, transfer_state};
  personnel::Staff staff{talk, cs, personnel, options, conversion.from_2018_files};
  conversion::CompanyJob job{talk, copier, cs, conversion, staff, options, loc};
  companies::OfficeJob office{job, files, companies, register_file_name};
};

}  // namespace vx::test
