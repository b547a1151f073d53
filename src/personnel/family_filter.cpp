#include "personnel/family_filter.hpp"

#include <string>

#include "conversion/company_record.hpp"
#include "conversion/text_fields.hpp"
#include "personnel/messages.hpp"
#include "personnel/person_prompts.hpp"
#include "personnel/transferred_persons.hpp"
#include "transfer/console_prompts.hpp"

namespace vx::personnel {

bool family_filter(Session& run, ConstRecordView old, RecordView fresh) {
  fresh.clear();
  if (old.i64(kPersonIdAt) < 0) return false;
  switch (person_of(run, old.i64(kPersonIdAt))) {
    case PersonOf::kCarried: break;
    case PersonOf::kPastTable: ++run.personnel.left.families; return false;
    case PersonOf::kNotCarried: report_and_wait(run, kFamilyWithoutPerson); return false;
  }
  fresh.copy_from(old, 0, kFamilyRecordSize);
  conversion::convert_texts_into(old, fresh, kFamilyTexts, run.cs);
  // The member's name as stored in the source.
  transfer::print_line(run, "  " + old.text(kMemberSurname.offset, kMemberSurname.capacity) +
                                ' ' +
                                old.text(kMemberFirstName.offset, kMemberFirstName.capacity));
  conversion::convert_company_record(
      RecordView{fresh.sub(kMemberAddress, conversion::kCompanyRecordSize)}, run.cs);
  return true;
}

}  // namespace vx::personnel
