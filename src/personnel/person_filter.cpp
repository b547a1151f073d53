#include "personnel/person_filter.hpp"

#include "personnel/messages.hpp"
#include "personnel/person_prompts.hpp"
#include "recordfile/text_fields.hpp"
#include "transfer/company_record.hpp"
#include "transfer/name_code.hpp"

namespace vx::personnel {
namespace {

constexpr int kDismissedPauseMs = 250;

bool dismissed_before_cut_off(ConstRecordView rec) {
  const auto until = rec.i32(kEmployedUntil);
  return until != 0 && until < static_cast<std::int32_t>(kCutOffDate.packed());
}

// Decides by the transfer mode; false leaves the person out. Ends the line
// the name was shown on.
bool choose_person(Staff& staff, ConstRecordView rec) {
  bool carried = true;
  switch (staff.state.transfer_mode) {
    case kTransferEmployed:
      if (dismissed_before_cut_off(rec)) {
        staff.talk.line(kDismissed);
        staff.talk.op().linger(kDismissedPauseMs);
        return false;
      }
      break;
    case kTransferAsk: {
      const char answer =
          staff.talk.choose(dialogue::Choice::kPerson, dialogue::Tone::kPrompt, kAskPerson, "TNW");
      if (answer == 'W') staff.state.transfer_mode = kTransferAll;
      carried = answer != 'N';
      break;
    }
    default:
      break;
  }
  staff.talk.line("");
  return carried;
}

void convert_person(Staff& staff, ConstRecordView old, RecordView fresh) {
  fresh.clear();
  fresh.copy_from(old, 0, kPersonRecordSize);
  convert_texts_into(old, fresh, kPersonTexts, staff.cs);
  transfer::convert_name_code(old, fresh, kPersonOffice, staff.cs);
  for (const auto at : kPersonAddresses)
    transfer::convert_company_record(RecordView{fresh.sub(at, transfer::kCompanyRecordSize)}, staff.cs);
}

}  // namespace

bool person_filter(Staff& staff, ConstRecordView old, RecordView fresh) {
  const auto id = old.i64(kPersonIdAt);
  if (id < 0) return false;
  show_person(staff, kPersonLabel, old, kPersonSurname, kPersonFirstName);
  if (!choose_person(staff, old)) {
    staff.talk.left_out(kLeftOutPerson, person_name(staff, old, kPersonSurname, kPersonFirstName));
    return false;
  }
  if (staff.state.persons.add(id) == TransferredPersons::Added::kTableFull)
    report_and_wait(staff, kTooManyPersons);
  convert_person(staff, old, fresh);
  return true;
}

}  // namespace vx::personnel
