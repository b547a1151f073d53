#include "personnel/pit_filters.hpp"

#include <string_view>

#include "personnel/messages.hpp"
#include "personnel/person_prompts.hpp"
#include "personnel/personnel_state.hpp"
#include "personnel/pit_record.hpp"
#include "personnel/transferred_persons.hpp"
#include "recordfile/text_fields.hpp"
#include "transfer/company_record.hpp"
#include "transfer/name_code.hpp"

namespace vx::personnel {
namespace {

// Shows the person and, when pit_scope asks for it, the question; ends the line.
bool take_person(Staff& staff, ConstRecordView old, std::string_view question) {
  show_person(staff, kPitPersonLabel, old, kPitSurname, kPitFirstName);
  const bool taken =
      staff.options.pit_scope != 1 ||
      staff.talk.choose(dialogue::Choice::kPitPerson, dialogue::Tone::kPrompt, question, "TN") == 'T';
  staff.talk.line("");
  if (!taken) staff.talk.left_out(kLeftOutPitPerson, person_name(staff, old, kPitSurname, kPitFirstName));
  return taken;
}

void start_fresh(ConstRecordView old, RecordView fresh) {
  fresh.clear();
  fresh.copy_from(old, kPersonIdAt, sizeof(std::int64_t));
  fresh.set_date(kPitValidFrom, kFirstDayOf2018);
  fresh.set_u32(kPitSecondDate, 0);
}

void carry_head(Staff& staff, ConstRecordView old, RecordView fresh) {
  transfer::convert_name_code(old, fresh, kPitOffice, staff.cs);
  fresh.copy_from(old, kPitPersonal, kPitPersonalSize);
  convert_texts_into(old, fresh, kPitNames, staff.cs);
  fresh.copy_from(old, kPitAddress, transfer::kCompanyRecordSize);
  transfer::convert_company_record(RecordView{fresh.sub(kPitAddress, transfer::kCompanyRecordSize)},
                                   staff.cs);
}

void carry_group(Staff& staff, ConstRecordView old, RecordView fresh, const PitGroup& group,
                 bool open_amounts) {
  for (std::size_t i = 0; i < group.count; ++i) {
    const auto item = group.items + i * group.item_size;
    fresh.copy_from(old, item, group.item_size);
    convert_texts_into(ConstRecordView{old.sub(item, group.item_size)},
                       RecordView{fresh.sub(item, group.item_size)}, kPitItemTexts, staff.cs);
    if (!open_amounts) continue;
    const auto values = group.values + i * group.value_size;
    fresh.set_f64(values + kOpeningAmount, old.f64(values + kAmountBefore));
  }
}

void carry_pid5_trailing(ConstRecordView old, RecordView fresh) {
  for (const auto& field : kPid5Trailing) fresh.copy_from(old, field.offset, field.length);
  for (std::size_t i = 0; i < kPid5Switches.length; ++i)
    if (fresh.u8(kPid5Switches.offset + i) == 0) fresh.set_u8(kPid5Switches.offset + i, 1);
}

}  // namespace

bool pid5_filter(Staff& staff, ConstRecordView old, RecordView fresh) {
  if (!take_person(staff, old, kAskPid5)) return false;
  const bool whole_copy = staff.from_2018_files && old.date(kPitValidFrom).year == kYear2018;
  if (whole_copy)
    fresh.copy_from(old, 0, kPitRecordSize);
  else
    start_fresh(old, fresh);
  carry_head(staff, old, fresh);
  carry_group(staff, old, fresh, kGroupA, true);
  carry_group(staff, old, fresh, kGroupB, !whole_copy);
  carry_group(staff, old, fresh, kGroupC, !whole_copy);
  carry_pid5_trailing(old, fresh);
  return true;
}

bool pit28_filter(Staff& staff, ConstRecordView old, RecordView fresh) {
  if (!take_person(staff, old, kAskPit28)) return false;
  start_fresh(old, fresh);
  if (staff.from_2018_files && old.date(kPitSecondDate).year == kYear2018)
    fresh.copy_from(old, kPitSecondDate, sizeof(std::uint32_t));
  carry_head(staff, old, fresh);
  const auto month_value = old.u16(kPit28MonthValueSource);
  for (std::size_t m = 1; m <= kPit28Months; ++m) {
    fresh.set_u16(kPit28MonthStride * m - kPit28MonthValueBack, month_value);
    fresh.set_u8(kPit28MonthStride * m + kPit28MonthFlagAfter, kPit28MonthFlag);
  }
  fresh.copy_from(old, kPit28Kept, 1);
  return true;
}

}  // namespace vx::personnel
