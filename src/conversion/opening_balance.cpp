#include "conversion/opening_balance.hpp"

#include <array>
#include <cmath>
#include <string>

#include "charset/polish_amount.hpp"
#include "conversion/annual_messages.hpp"
#include "conversion/annual_records.hpp"
#include "platform/filesystem.hpp"

namespace vx::conversion {

namespace {

using annual::settings::kCarriedBalances;

constexpr auto kStepLabel = cp852("BO.2018 z BZ.2017");

// A company left as it is, said on one line and seen by the operator.
void skip(CompanyJob& job, std::string_view line) {
  job.talk.failure(line);
  job.talk.acknowledge();
}

// Record 1 of an annual file; a file missing, unreadable or shorter than a
// record is said on one line.
bool read_first_record(CompanyJob& job, const std::string& path, RecordView rec) {
  platform::File file;
  if (!file.open(path, platform::File::Mode::kRead)) {
    const bool missing = file.error() == platform::kFileNotFound || file.error() == platform::kPathNotFound;
    skip(job, std::string(missing ? msg::kNoBalanceFile.view() : msg::kNoBalanceAccess.view()) + path);
    return false;
  }
  const std::size_t read = file.read(rec.bytes().data(), rec.size());
  const bool failed = file.failed();
  file.close();
  if (read == rec.size()) return true;
  skip(job, std::string(failed ? msg::kNoBalanceAccess.view() : msg::kBalanceFileShort.view()) + path);
  return false;
}

// The carried amounts of a record 1 are numbers; a damaged one is said.
bool finite_balances(CompanyJob& job, ConstRecordView rec, const std::string& path) {
  for (const auto& r : kCarriedBalances)
    if (!std::isfinite(rec.f64(r.offset))) {
      skip(job, msg::kBalanceNotANumber + path);
      return false;
    }
  return true;
}

// Only the carried amounts, into a whole copy of the file put in its place:
// the run's journal keeps the file as it was.
bool write_balances(const std::string& path, ConstRecordView rec) {
  platform::File file;
  if (!file.open(path, platform::File::Mode::kExtend)) return false;
  for (const auto& r : kCarriedBalances)
    if (!file.seek(r.offset) || file.write(rec.bytes().data() + r.offset, r.length) != r.length)
      return false;  // given up with the file: the target stays as it was
  return file.close();
}

double opening_balance(ConstRecordView rec) { return rec.f64(kCarriedBalances[0].offset); }

}  // namespace

BalanceRefresh refresh_opening_balance(CompanyJob& job, std::string_view company_dir) {
  using annual::kRecordSize;
  const std::string dir = std::string(company_dir) + platform::kSeparator;
  const std::string path_2017 = job.loc.source_root + dir + std::string(annual::k2017File);
  const std::string path_2018 = job.loc.target_root + dir + std::string(annual::k2018File);

  std::array<std::uint8_t, kRecordSize> old_year{}, carried{}, refreshed{};
  if (!read_first_record(job, path_2017, RecordView(old_year))) return BalanceRefresh::kSkipped;
  if (!read_first_record(job, path_2018, RecordView(carried))) return BalanceRefresh::kSkipped;
  refreshed = carried;
  annual::carry_closing_balances(ConstRecordView(old_year), RecordView(refreshed));
  const ConstRecordView before(carried), after(refreshed);
  if (!finite_balances(job, after, path_2017) || !finite_balances(job, before, path_2018))
    return BalanceRefresh::kSkipped;

  const std::string was = charset::polish_amount(opening_balance(before));
  const std::string becomes = charset::polish_amount(opening_balance(after));
  job.talk.line(msg::kOpeningBefore + was);
  job.talk.line(msg::kOpeningAfter + becomes);
  // The refreshed record differs from the carried one only where the
  // amounts are carried.
  if (refreshed == carried) {
    job.talk.line(msg::kOpeningUnchanged);
    return BalanceRefresh::kUnchanged;
  }
  if (ConstRecordView(old_year).u8(annual::settings::kMonthState) != annual::settings::kDecemberApproved) {
    job.talk.line(msg::kDecemberOpen, dialogue::Tone::kWarning);
    job.talk.signal();
    if (!job.talk.yes_no(dialogue::Question::kCarryOpenDecember, msg::kCarryOpenDecember)) {
      job.talk.line(msg::kOpeningKept, dialogue::Tone::kWarning);
      return BalanceRefresh::kSkipped;
    }
  }
  dialogue::StepEvent step;
  step.source = path_2017;
  step.target = path_2018;
  if (!write_balances(path_2018, after)) {
    job.talk.failure(msg::kAnnualWriteFailed);
    step.outcome = dialogue::Outcome::kFailed;
    step.message = msg::kAnnualWriteFailed.str();
    job.talk.step(step);
    job.talk.acknowledge();
    return BalanceRefresh::kSkipped;
  }
  step.label = kStepLabel + ": " + was + " -> " + becomes;
  for (const auto& r : kCarriedBalances) step.bytes += r.length;
  job.talk.step(step);
  job.talk.line(msg::kOpeningWritten);
  return BalanceRefresh::kWritten;
}

}  // namespace vx::conversion
