#include "personnel/family_filter.hpp"

#include <string>

#include "personnel/messages.hpp"
#include "personnel/person_prompts.hpp"
#include "personnel/transferred_persons.hpp"
#include "recordfile/text_fields.hpp"
#include "transfer/company_record.hpp"

namespace vx::personnel {

bool family_filter(Staff& staff, ConstRecordView old, RecordView fresh) {
  fresh.clear();
  if (old.i64(kPersonIdAt) < 0) return false;
  switch (person_of(staff, old.i64(kPersonIdAt))) {
    case PersonOf::kCarried: break;
    case PersonOf::kPastTable:
      ++staff.state.left.families;
      staff.talk.left_out(kLeftOutFamily, person_name(staff, old, kMemberSurname, kMemberFirstName));
      return false;
    case PersonOf::kNotCarried:
      report_and_wait(staff, kFamilyWithoutPerson);
      staff.talk.left_out(kLeftOutFamily, person_name(staff, old, kMemberSurname, kMemberFirstName));
      return false;
  }
  fresh.copy_from(old, 0, kFamilyRecordSize);
  convert_texts_into(old, fresh, kFamilyTexts, staff.cs);
  // The member's name as stored in the source.
  staff.talk.line("  " + old.text(kMemberSurname.offset, kMemberSurname.capacity) + ' ' +
                  old.text(kMemberFirstName.offset, kMemberFirstName.capacity));
  transfer::convert_company_record(RecordView{fresh.sub(kMemberAddress, transfer::kCompanyRecordSize)},
                                   staff.cs);
  return true;
}

}  // namespace vx::personnel
