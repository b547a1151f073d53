// Staff of a company and the personnel files: employees and owners,
// families, PID-5 and PIT-28 data, wage-list settings and the 2018 wages
// and contracts entered before the migration.
#include <algorithm>
#include <array>
#include <cmath>

#include "personnel/family_filter.hpp"
#include "transfer/name_code.hpp"
#include "personnel/person_filter.hpp"
#include "personnel/pit_record.hpp"
#include "personnel/wage_filters.hpp"
#include "sample_company.hpp"
#include "sample_identifiers.hpp"
#include "sample_records.hpp"

namespace vx::sample {

using namespace personnel;

namespace {

// Every personnel record starts with the person's ID (negative: deleted).
constexpr std::size_t kPersonId = 0;

// The sample's own places for data the migration carries untouched.
namespace person {
constexpr TextField kPesel{14, 11};
constexpr TextField kNip{26, 13};
constexpr std::size_t kHiredOn = 209;  // packed date
constexpr std::size_t kSalary = 464;   // double, monthly gross
constexpr std::size_t kKind = 472;     // 1 owner, 2 employee
// Positions in kPersonTexts.
constexpr std::size_t kSecondName = 2, kFather = 3, kMother = 4, kBirthPlace = 5, kJob = 8;
constexpr std::size_t kQualifications = 10;  // eight texts
}  // namespace person

namespace member {
constexpr TextField kRelation = kFamilyTexts[0];
constexpr TextField kPesel{8, 11};
constexpr std::size_t kBorn = 20;  // packed date
}  // namespace member

namespace pit {
constexpr TextField kNip{kPitPersonal, 13};
constexpr std::size_t kBorn = kPitPersonal + kPitPersonalSize - 4;  // packed date
constexpr TextField kItemCode{0, 13};
constexpr TextField kItemSymbol{14, 14};
// Group C items: three more texts and numbers.
constexpr TextField kItemRemark{103, 36};
constexpr TextField kItemReference{140, 18};
constexpr std::size_t kItemNumber = 159, kItemCount = 163, kItemYear = 167;
// PIT-28 months: the rate in hundredths of a percent, a flag, the revenue.
constexpr std::size_t kMonthRevenueAfter = 2;  // behind the month value
}  // namespace pit

namespace wage {
constexpr std::size_t kMonth = 8, kYear = 9, kListNumber = 11;
constexpr std::size_t kGross = 424, kSocial = 432, kHealth = 440, kTaxAdvance = 448, kNet = 456;
}  // namespace wage

namespace contract {
constexpr std::size_t kFrom = 8, kUntil = 12, kNumber = 16;
constexpr std::size_t kAmount = 225;  // double
constexpr std::size_t kTaxRate = 233;
}  // namespace contract

namespace wage_list {
constexpr std::size_t kItemKind = 13, kItemCode = 14, kItemPercent = 16;  // behind each text
}  // namespace wage_list

PackedDate random_date(Dice& dice, int year_from, int year_to) {
  return day(dice.between(1, 28), dice.between(1, 12), dice.between(year_from, year_to));
}

void put_office(RecordView rec, std::size_t at, const Company& c) {
  rec.set_text(at + transfer::kOfficeName.offset, transfer::kOfficeName.capacity, c.enc(c.tax_office_name()));
  rec.set_text(at + transfer::kOfficeCode.offset, transfer::kOfficeCode.capacity, c.tax_office_code());
}

const std::array<const char*, 4> kPitItems = {
    "Przychód z działalności gospodarczej", "Koszty uzyskania przychodu",
    "Składki na ubezpieczenia społeczne", "Ulga na dzieci - odliczenie",
};

Bytes person_records(Company& c) {
  RecordSet out(kPersonRecordSize, c.staff.size());
  for (const Person& p : c.staff) {
    RecordView r = out.add();
    r.set_i64(kPersonId, p.id);
    put_text(r, kPersonSurname, p.surname, c.enc);
    put_text(r, kPersonFirstName, p.first_name, c.enc);
    put_text(r, kPersonTexts[person::kSecondName], p.second_name, c.enc);
    put_text(r, kPersonTexts[person::kFather], p.father, c.enc);
    put_text(r, kPersonTexts[person::kMother], p.mother, c.enc);
    put_text(r, kPersonTexts[person::kBirthPlace], c.dice.pick(words::kPlaces).city, c.enc);
    put_text(r, kPersonTexts[person::kJob], p.job, c.enc);
    for (std::size_t q = 0; q < 8; ++q)
      if (c.dice.percent(30))
        put_text(r, kPersonTexts[person::kQualifications + q], c.dice.pick(words::kQualifications), c.enc);
    r.set_text(person::kPesel.offset, person::kPesel.capacity, p.pesel);
    r.set_text(person::kNip.offset, person::kNip.capacity, p.nip);
    r.set_date(person::kHiredOn, p.hired);
    r.set_date(kEmployedUntil, p.left);
    r.set_f64(person::kSalary, p.salary);
    r.set_u8(person::kKind, p.owner ? 1 : 2);
    put_office(r, kPersonOffice, c);
    put_address(r, kPersonAddresses[0], p.home, c.enc);
    if (c.dice.percent(50)) put_address(r, kPersonAddresses[1], p.home, c.enc);
    if (c.dice.percent(30)) put_address(r, kPersonAddresses[2], make_address(c.dice, *c.place), c.enc);
    fill_remaining(r, kPersonTexts, c.dice, c.enc);
  }
  return out.bytes();
}

// Spouses and children, filed person after person; the members of a
// deleted person were deleted with it.
Bytes family_records(Company& c) {
  RecordSet out(kFamilyRecordSize);
  for (const Person& p : c.staff) {
    const int members = p.owner ? c.dice.between(1, 3) : (c.dice.percent(35) ? c.dice.between(1, 3) : 0);
    for (int k = 0; k < members; ++k) {
      const bool spouse = k == 0 && c.dice.percent(70);
      const bool female = spouse ? !p.female : c.dice.percent(50);
      const char* relation = spouse ? (female ? "żona" : "mąż") : (female ? "córka" : "syn");
      RecordView r = out.add();
      r.set_i64(kPersonId, p.id);
      put_text(r, member::kRelation, relation, c.enc);
      // Family names follow the person's, in the member's form.
      put_text(r, kMemberSurname, female ? p.family->female : p.family->male, c.enc);
      put_text(r, kMemberFirstName, female ? c.dice.pick(words::kFemaleNames) : c.dice.pick(words::kMaleNames), c.enc);
      const PackedDate born = spouse ? random_date(c.dice, 1955, 1995) : random_date(c.dice, 1995, 2016);
      r.set_text(member::kPesel.offset, member::kPesel.capacity, make_pesel(c.dice, born, female));
      r.set_date(member::kBorn, born);
      put_address(r, kMemberAddress, p.home, c.enc);
    }
  }
  return out.bytes();
}

void put_pit_head(RecordView r, const Person& p, const Company& c, PackedDate valid_from) {
  r.set_i64(kPersonId, p.id);
  r.set_date(kPitValidFrom, valid_from);
  put_office(r, kPitOffice, c);
  r.set_text(pit::kNip.offset, pit::kNip.capacity, p.nip);
  put_text(r, kPitSurname, p.surname, c.enc);
  put_text(r, kPitFirstName, p.first_name, c.enc);
  r.set_date(pit::kBorn, p.born);
  put_address(r, kPitAddress, p.home, c.enc);
}

void put_pit_group(RecordView r, const PitGroup& g, Company& c, std::size_t used) {
  for (std::size_t i = 0; i < g.count && i < used; ++i) {
    const std::size_t item = g.items + g.item_size * i;
    r.set_text(item + pit::kItemCode.offset, pit::kItemCode.capacity, "P" + std::to_string(10 + i));
    r.set_text(item + pit::kItemSymbol.offset, pit::kItemSymbol.capacity, "PIT-5L/" + std::to_string(i + 1));
    put_text(r, shifted(kPitItemTexts[0], item), kPitItems[i % kPitItems.size()], c.enc);
    put_text(r, shifted(kPitItemTexts[1], item), c.dice.pick(words::kRemarks), c.enc);
    const std::size_t value = g.values + g.value_size * i;
    r.set_f64(value + kOpeningAmount, c.dice.amount(0, 20000));
    r.set_f64(value + kAmountBefore, c.dice.amount(0, 90000));
  }
}

Bytes pid5_records(Company& c, int year) {
  RecordSet out(kPitRecordSize);
  for (const Person& p : c.staff) {
    if (!p.owner) continue;
    RecordView r = out.add();
    put_pit_head(r, p, c, day(1, 1, year));
    if (year == 2017 && c.dice.percent(50)) r.set_date(kPitSecondDate, day(31, 12, 2017));
    put_pit_group(r, kGroupA, c, 4);
    put_pit_group(r, kGroupB, c, 2);
    put_pit_group(r, kGroupC, c, 1);
    const std::size_t c_item = kGroupC.items;
    put_text(r, shifted(pit::kItemRemark, c_item), c.dice.pick(words::kRemarks), c.enc);
    r.set_text(c_item + pit::kItemReference.offset, pit::kItemReference.capacity, "US/" + std::to_string(year));
    r.set_u32(c_item + pit::kItemNumber, c.dice.between(1, 99));
    r.set_u32(c_item + pit::kItemCount, c.dice.between(1, 12));
    r.set_u16(c_item + pit::kItemYear, static_cast<std::uint16_t>(year));
    for (const auto& t : kPid5Trailing)
      for (std::size_t b = 0; b < t.length; ++b) r.set_u8(t.offset + b, static_cast<std::uint8_t>(c.dice.below(3)));
  }
  return out.bytes();
}

Bytes pit28_records(Company& c, int year) {
  RecordSet out(kPitRecordSize);
  for (const Person& p : c.staff) {
    if (!p.owner) continue;
    RecordView r = out.add();
    put_pit_head(r, p, c, day(1, 1, year));
    if (year == 2018) r.set_date(kPitSecondDate, day(1, 1, 2018));
    const std::uint16_t rate = c.dice.percent(50) ? 850 : 300;  // lump-sum rate, hundredths of a percent
    for (std::size_t m = 1; m <= kPit28Months; ++m) {
      const std::size_t value = kPit28MonthStride * m - kPit28MonthValueBack;
      r.set_u16(value, rate);
      r.set_f64(value + pit::kMonthRevenueAfter, c.dice.amount(2000, 40000));
      r.set_u8(kPit28MonthStride * m + kPit28MonthFlagAfter, 1);
    }
    r.set_u8(kPit28Kept, 1);
  }
  return out.bytes();
}

// The January payroll of 2018, with the final pay of those who left in
// December and the record of a deleted person left behind.
Bytes wage_records(Company& c) {
  RecordSet out(kWageRecordSize);
  std::uint32_t list = 1;
  for (const Person& p : c.staff) {
    if (p.owner) continue;
    const bool paid = p.employed_at_year_end() || p.left.month == 12 || p.deleted();
    if (!paid) continue;
    RecordView r = out.add();
    r.set_i64(kPersonId, p.id);
    r.set_u8(wage::kMonth, 1);
    r.set_u16(wage::kYear, 2018);
    r.set_u32(wage::kListNumber, list++);
    const double gross = p.employed_at_year_end() ? p.salary : grosze(p.salary * 0.4);
    const double social = grosze(gross * 0.1371);
    const double health = grosze((gross - social) * 0.09);
    const double tax = grosze(std::max(0.0, (gross - social - 111.25) * 0.18 - 46.33 - (gross - social) * 0.0775));
    r.set_f64(wage::kGross, gross);
    r.set_f64(wage::kSocial, social);
    r.set_f64(wage::kHealth, health);
    r.set_f64(wage::kTaxAdvance, tax);
    r.set_f64(wage::kNet, grosze(gross - social - health - tax));
    put_text(r, kWageTexts[0], "Płaca zasadnicza za styczeń 2018", c.enc);
    put_text(r, kWageTexts[1], p.employed_at_year_end() ? "Premia regulaminowa" : "Ekwiwalent za urlop", c.enc);
    put_text(r, kWageTexts[2], p.job, c.enc);
    fill_remaining(r, kWageTexts, c.dice, c.enc);
  }
  return out.bytes();
}

Bytes contract_records(Company& c) {
  RecordSet out(kContractRecordSize);
  int number = 1;
  for (const Person& p : c.staff) {
    if (p.owner || p.deleted()) continue;
    // Commissions for some of the staff and for one who has left.
    const bool former = !p.employed_at_year_end();
    if (!(former ? number == 1 : c.dice.percent(30))) continue;
    RecordView r = out.add();
    r.set_i64(kPersonId, p.id);
    r.set_date(contract::kFrom, day(2, 1, 2018));
    r.set_date(contract::kUntil, day(31, 3, 2018));
    r.set_u32(contract::kNumber, static_cast<std::uint32_t>(number));
    r.set_text(kContractTexts[0].offset, kContractTexts[0].capacity, "UZ/" + std::to_string(number++) + "/18");
    put_text(r, kContractTexts[1], former ? "dzieło" : "zlecenie", c.enc);
    put_text(r, kContractTexts[2], std::string("Wykonanie prac: ") + c.activity, c.enc);
    put_text(r, kContractTexts[3], "Płatne po odbiorze, na rachunek wykonawcy", c.enc);
    r.set_f64(contract::kAmount, c.dice.amount(500, 4000));
    r.set_u8(contract::kTaxRate, 18);
    fill_remaining(r, kContractTexts, c.dice, c.enc);
  }
  return out.bytes();
}

}  // namespace

Bytes wage_list_settings(Dice& dice, const Encoder& enc, int records) {
  RecordSet out(kWageListSettingsSize);
  for (int n = 0; n < records; ++n) {
    RecordView r = out.add();
    for (std::size_t i = 0; i < kWageListTexts.size(); ++i) {
      const TextField f = kWageListTexts[i];
      put_text(r, f, words::kWageItems[(i + static_cast<std::size_t>(n)) % words::kWageItems.size()], enc);
      r.set_u8(f.offset + wage_list::kItemKind, static_cast<std::uint8_t>(1 + i % 3));
      r.set_u16(f.offset + wage_list::kItemCode, static_cast<std::uint16_t>(100 + i));
      r.set_u16(f.offset + wage_list::kItemPercent, static_cast<std::uint16_t>(dice.below(5000)));
    }
    for (std::size_t b = 0; b < kWageListClearedCount; ++b)
      r.set_u8(kWageListClearedBytes + b, static_cast<std::uint8_t>(1 + dice.below(9)));
    for (std::size_t m = 0; m < kMonths; ++m) r.set_u8(kWageListMonths + m, 1);  // every month closed
  }
  return out.bytes();
}

std::vector<Person> make_staff(Company& c, int count) {
  std::vector<Person> staff;
  Dice& dice = c.dice;
  bool dismissed_before_new_year = false;
  for (int i = 0; i < count; ++i) {
    Person p;
    const auto& family = dice.pick(words::kSurnames);
    p.female = dice.percent(50);
    p.family = &family;
    p.surname = p.female ? family.female : family.male;
    const auto& names = p.female ? words::kFemaleNames : words::kMaleNames;
    p.first_name = dice.pick(names);
    if (dice.percent(40)) p.second_name = dice.pick(names);
    p.father = dice.pick(words::kMaleNames);
    p.mother = dice.pick(words::kFemaleNames);
    p.owner = i == 0 || (i == 1 && count >= 8);
    p.id = 1001 + 7 * i;
    p.born = random_date(dice, 1952, 1998);
    p.hired = random_date(dice, 2005, 2016);
    p.pesel = make_pesel(dice, p.born, p.female);
    p.home = make_address(dice, dice.percent(70) ? *c.place : dice.pick(words::kPlaces));
    if (p.owner) {
      p.job = i == 0 ? "właściciel" : "wspólnik";
      p.nip = make_nip(dice);
    } else {
      p.job = dice.pick(words::kJobTitles);
      p.salary = dice.amount(2000, 7500);
      // One left on the last day of the year, others before it (the first
      // of them the day before).
      if (i == 2) p.left = day(31, 12, 2017);
      if (i % 5 == 3) {
        p.left = dismissed_before_new_year ? day(dice.between(1, 28), dice.between(1, 11), 2017) : day(30, 12, 2017);
        dismissed_before_new_year = true;
      }
      if (i % 7 == 5) p.id = -p.id;  // deleted during 2017
    }
    staff.push_back(std::move(p));
  }
  return staff;
}

void write_personnel(Company& c, const OutDir& out) {
  out.file("DANE_PR8.REK", person_records(c));
  out.file("DANE_PF8.REK", family_records(c));
  out.file("2017p5.13", pid5_records(c, 2017));
  out.file("2017_p28.rek", pit28_records(c, 2017));
  out.file("2017_lp.cc", wage_list_settings(c.dice, c.enc, 1));
  if (!c.entered_2018) return;
  out.file("2018p5.13", pid5_records(c, 2018));
  out.file("2018_p28.rek", pit28_records(c, 2018));
  out.file("2018_lp.cc", wage_list_settings(c.dice, c.enc, 1));
  out.file("2018WP2.REK", wage_records(c));
  out.file("2018UZ3.REK", contract_records(c));
}

}  // namespace vx::sample
