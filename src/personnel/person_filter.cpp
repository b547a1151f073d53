#include "personnel/person_filter.hpp"

#include "conversion/company_record.hpp"
#include "conversion/text_fields.hpp"
#include "personnel/messages.hpp"
#include "transfer/name_code.hpp"
#include "personnel/person_prompts.hpp"
#include "transfer/console_prompts.hpp"

namespace vx::personnel {
namespace {

constexpr int kDismissedPauseMs = 250;

bool dismissed_before_cut_off(ConstRecordView rec) {
  const auto until = rec.i32(kEmployedUntil);
  return until != 0 && until < static_cast<std::int32_t>(kCutOffDate.packed());
}

// Decides by the transfer mode; false leaves the person out. Ends the line
// the name was shown on.
bool choose_person(Session& run, ConstRecordView rec) {
  bool carried = true;
  switch (run.personnel.transfer_mode) {
    case kTransferEmployed:
      if (dismissed_before_cut_off(rec)) {
        transfer::print_line(run, kDismissed);
        run.console.sleep_ms(kDismissedPauseMs);
        return false;
      }
      break;
    case kTransferAsk: {
      const auto answer = ask_choice(run, kAskPerson, "TNW");
      if (answer == 'W') run.personnel.transfer_mode = kTransferAll;
      carried = answer != 'N';
      break;
    }
    default:
      break;
  }
  transfer::print_line(run, "");
  return carried;
}

void convert_person(Session& run, ConstRecordView old, RecordView fresh) {
  fresh.clear();
  fresh.copy_from(old, 0, kPersonRecordSize);
  conversion::convert_texts_into(old, fresh, kPersonTexts, run.cs);
  transfer::convert_name_code(old, fresh, kPersonOffice, run.cs);
  for (const auto at : kPersonAddresses)
    conversion::convert_company_record(
        RecordView{fresh.sub(at, conversion::kCompanyRecordSize)}, run.cs);
}

}  // namespace

bool person_filter(Session& run, ConstRecordView old, RecordView fresh) {
  const auto id = old.i64(kPersonIdAt);
  if (id < 0) return false;
  show_person(run, kPersonLabel, old, kPersonSurname, kPersonFirstName);
  if (!choose_person(run, old)) return false;
  if (run.personnel.persons.add(id) == TransferredPersons::Added::kTableFull)
    report_and_wait(run, kTooManyPersons);
  convert_person(run, old, fresh);
  return true;
}

}  // namespace vx::personnel
