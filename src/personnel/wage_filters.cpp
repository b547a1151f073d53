#include "personnel/wage_filters.hpp"

#include "conversion/text_fields.hpp"
#include "personnel/messages.hpp"
#include "personnel/person_prompts.hpp"
#include "personnel/transferred_persons.hpp"
#include "transfer/console_prompts.hpp"

namespace vx::personnel {

bool wage_list_settings_filter(Session& run, RecordView rec) {
  rec.fill(kWageListMonths, kMonths, 0);
  conversion::convert_texts(rec, kWageListTexts, run.cs);
  rec.fill(kWageListClearedBytes, kWageListClearedCount, 0);
  return true;
}

bool wage_filter(Session& run, RecordView rec) {
  const auto id = rec.i64(kPersonIdAt);
  if (id < 0) return false;
  switch (person_of(run, id)) {
    case PersonOf::kCarried: break;
    case PersonOf::kPastTable: ++run.personnel.left.wages; return false;
    case PersonOf::kNotCarried: return false;
  }
  transfer::print_line(run, kWageKept);
  conversion::convert_texts(rec, kWageTexts, run.cs);
  return true;
}

bool contract_filter(Session& run, RecordView rec) {
  const auto id = rec.i64(kPersonIdAt);
  if (id < 0) return false;
  switch (person_of(run, id)) {
    case PersonOf::kCarried: break;
    case PersonOf::kPastTable: ++run.personnel.left.contracts; return false;
    case PersonOf::kNotCarried: report_and_wait(run, kContractWithoutPerson); return false;
  }
  conversion::convert_texts(rec, kContractTexts, run.cs);
  return true;
}

}  // namespace vx::personnel
