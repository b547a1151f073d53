#include "personnel/wage_filters.hpp"

#include "personnel/messages.hpp"
#include "personnel/person_prompts.hpp"
#include "personnel/transferred_persons.hpp"
#include "recordfile/text_fields.hpp"

namespace vx::personnel {

bool wage_list_settings_filter(Staff& staff, RecordView rec) {
  rec.fill(kWageListMonths, kMonths, 0);
  convert_texts(rec, kWageListTexts, staff.cs);
  rec.fill(kWageListClearedBytes, kWageListClearedCount, 0);
  return true;
}

bool wage_filter(Staff& staff, RecordView rec) {
  const auto id = rec.i64(kPersonIdAt);
  if (id < 0) return false;
  switch (person_of(staff, id)) {
    case PersonOf::kCarried: break;
    case PersonOf::kPastTable:
      ++staff.state.left.wages;
      return false;
    case PersonOf::kNotCarried: return false;
  }
  staff.talk.line(kWageKept);
  convert_texts(rec, kWageTexts, staff.cs);
  return true;
}

bool contract_filter(Staff& staff, RecordView rec) {
  const auto id = rec.i64(kPersonIdAt);
  if (id < 0) return false;
  switch (person_of(staff, id)) {
    case PersonOf::kCarried: break;
    case PersonOf::kPastTable:
      ++staff.state.left.contracts;
      return false;
    case PersonOf::kNotCarried:
      report_and_wait(staff, kContractWithoutPerson);
      return false;
  }
  convert_texts(rec, kContractTexts, staff.cs);
  return true;
}

}  // namespace vx::personnel
