// Employees, families, wages and contracts carried through the whole run.
#include <gtest/gtest.h>

#include "e2e/run_keys.hpp"
#include "charset/utf8.hpp"
#include "support/office.hpp"

namespace vx::test {
namespace {

Record person(std::int64_t id, const std::string& surname, int end_day = 0, int end_month = 0, int end_year = 0) {
  Record p(2048);
  p.i64(0, id).text(40, 31, surname).text(72, 22, "Jan");
  if (end_year) p.date(213, end_day, end_month, end_year);
  p.fill(1200, 40, 0x11);  // bytes no field names: carried as they are
  return p;
}
Record family_member(std::int64_t person_id, const std::string& surname) {
  Record f(352);
  f.i64(0, person_id).text(56, 31, surname).text(88, 22, "Ewa");
  return f;
}
Record wage(std::int64_t person_id) {
  Record w(10176);
  w.i64(0, person_id).text(15, 50, "premia");
  return w;
}
Record contract(std::int64_t person_id) {
  Record c(552);
  c.i64(0, person_id).text(20, 10, "UZ/1");
  return c;
}

// Page 3: the person scope radio group is the second control.
std::string wizard_with_person_scope(int scope) {
  std::string keys = "PgDn\nPgDn\nTab\n";
  for (int i = 0; i < scope; ++i) keys += "Down\n";
  return keys + "Space\nPgDn\nF5\n";
}

Office& company_with_staff(Office& office, const std::string& dir) {
  office.company({dir, dir, "", ""});
  office.file17(dir, "DANE_PR8.REK",
                concat({person(1, "Stay"), person(2, "Last", 31, 12, 2017), person(3, "Gone", 30, 12, 2017),
                        person(-4, "Deleted")}));
  office.file17(dir, "DANE_PF8.REK", concat({family_member(3, "Gone"), family_member(1, "Stay"), family_member(1, "Stay2")}));
  office.file17(dir, "2018WP2.REK", concat({wage(3), wage(2)}));
  office.file17(dir, "2018UZ3.REK", concat({contract(3), contract(-1), contract(1)}));
  return office;
}

TEST(Personnel, EmployedOnTheLastDayOfTheYearOnlyAndTheirDependents) {
  Office office;
  company_with_staff(office, "FIRMA");
  // Key waits: the family member of the dismissed person, then the contract.
  const std::string script = wizard_with_person_scope(1) + select_all() + "x\nx\n" + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  const int first_wait = keys_in(wizard_with_person_scope(1) + select_all());
  EXPECT_EQ(last_line_at_key(r, first_wait), "Nie odnaleziono osoby związanej z członkiem rodziny !");
  EXPECT_EQ(last_line_at_key(r, first_wait + 1),
            "Upss... nie odnaleziono osoby związanej z odczytną umową/zlecenia !");
  EXPECT_EQ(rows_at_key(r, first_wait, " - zwolniony"), 1);
  EXPECT_EQ(rows_at_key(r, first_wait, "osoba : Gone Jan - zwolniony"), 1);
  EXPECT_EQ(read_file(office.new_file("FIRMA/DANE_PR8.REK")),
            concat({person(1, "Stay"), person(2, "Last", 31, 12, 2017)}));
  EXPECT_EQ(read_file(office.new_file("FIRMA/DANE_PF8.REK")),
            concat({family_member(1, "Stay"), family_member(1, "Stay2")}));
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018WP2.REK")), wage(2).bytes());
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018UZ3.REK")), contract(1).bytes());
  EXPECT_TRUE(r.shows("Nie odnaleziono osoby związanej z członkiem rodziny !"));
  EXPECT_TRUE(r.shows("Upss... nie odnaleziono osoby związanej z odczytną umową/zlecenia !"));
  // Exactly two key waits in the company: the family member, the contract.
  EXPECT_EQ(r.count("Nie odnaleziono osoby związanej z członkiem rodziny !"), 1);
}

TEST(Personnel, AllPersonsAsStoredWhenTheStandardIsKept) {
  Office office;
  company_with_staff(office, "FIRMA");
  const std::string script = wizard_defaults() + select_all() + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_EQ(read_file(office.new_file("FIRMA/DANE_PR8.REK")),
            concat({person(1, "Stay"), person(2, "Last", 31, 12, 2017), person(3, "Gone", 30, 12, 2017)}));
  EXPECT_EQ(read_file(office.new_file("FIRMA/DANE_PF8.REK")),
            concat({family_member(3, "Gone"), family_member(1, "Stay"), family_member(1, "Stay2")}));
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018WP2.REK")), concat({wage(3), wage(2)}));
  // The contract with a negative person goes without a word.
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018UZ3.REK")), concat({contract(3), contract(1)}));
}

TEST(Personnel, AskingEachPersonWithWCarryingTheRestOfTheCompanyOnly) {
  Office office;
  for (const std::string dir : {"AFIRMA", "BFIRMA", "CFIRMA"}) {
    office.company({dir, dir, "", ""});
    office.file17(dir, "DANE_PR8.REK", concat({person(1, "Pierwszy"), person(2, "Drugi"), person(3, "Trzeci")}));
  }
  // Company A: w at the first person carries all three unasked. Company B
  // asks again: x is ignored, n leaves the first, T takes the second, t the
  // third. Company C: N leaves the first, W takes the second and the third.
  const std::string script =
      wizard_with_person_scope(2) + select_all() + "w\nx\nn\nT\nt\nN\nW\n" + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_EQ(read_file(office.new_file("AFIRMA/DANE_PR8.REK")),
            concat({person(1, "Pierwszy"), person(2, "Drugi"), person(3, "Trzeci")}));
  EXPECT_EQ(read_file(office.new_file("BFIRMA/DANE_PR8.REK")), concat({person(2, "Drugi"), person(3, "Trzeci")}));
  EXPECT_EQ(read_file(office.new_file("CFIRMA/DANE_PR8.REK")), concat({person(2, "Drugi"), person(3, "Trzeci")}));
  const int first = keys_in(wizard_with_person_scope(2) + select_all());
  EXPECT_EQ(last_line_at_key(r, first), "osoba : Pierwszy Jan Przenieść T/N /W  ?");
  EXPECT_EQ(last_line_at_key(r, first + 1), "osoba : Pierwszy Jan Przenieść T/N /W  ?");
  EXPECT_EQ(last_line_at_key(r, first + 6), "osoba : Drugi Jan Przenieść T/N /W  ?");
}

// The texts of a person record and of the company-record layout of its
// address blocks, written out from the layouts.
constexpr TextField kPersonTexts[] = {
    {40, 31},   {72, 22},   {95, 22},   {118, 22},  {141, 22},  {168, 40},  {219, 31},
    {251, 22},  {427, 36},  {513, 65},  {1256, 30}, {1300, 50}, {1351, 50}, {1402, 50},
    {1453, 50}, {1504, 50}, {1555, 50}, {1606, 50}, {1657, 50}, {1710, 24}, {1745, 31},
    {1851, 31}, {1883, 22}, {1915, 8},  {1925, 70}, {2000, 15},
};
constexpr TextField kAddressTexts[] = {{0, 18},    {19, 22},  {42, 26},  {69, 30},
                                       {100, 7},   {108, 7},  {116, 26}, {150, 26},
                                       {177, 5},   {183, 12}, {196, 12}};
constexpr std::size_t kMazoviaA = 0x86;  // "ą": a converted byte outside a text shows

// Writes a word into every text of an address block at `at`: Mazovia into
// the old record, its code page 852 form into the expectation.
void address_texts(Record& old, Record& expected, std::size_t at) {
  for (const auto f : kAddressTexts) {
    old.text(at + f.offset, f.capacity, mazovia("Łódź"));
    expected.text(at + f.offset, f.capacity, cp852_bytes("Łódź"));
  }
}

TEST(Personnel, ConversionChangesExactlyTheListedFields) {
  Office office;
  office.company({"FIRMA", "FIRMA", "", ""});
  Record p(2048);
  p.fill(0, 2048, kMazoviaA).i64(0, 5);
  Record expected = p;
  for (const auto f : kPersonTexts) {
    p.text(f.offset, f.capacity, mazovia("Żółć"));
    expected.text(f.offset, f.capacity, cp852_bytes("Żółć"));
  }
  p.text(40, 31, mazovia("Źrebiec")).text(72, 22, mazovia("Łucja"));
  expected.text(40, 31, cp852_bytes("Źrebiec")).text(72, 22, cp852_bytes("Łucja"));
  // The office code (text 4 at 579, all four characters up to 583) stays.
  p.text(579, 4, "\x86\x86\x86\x86");
  expected.text(579, 4, "\x86\x86\x86\x86");
  for (const std::size_t at : {584, 808, 1032}) {
    address_texts(p, expected, at);
    p.text(at + 143, 6, "\x86-515");  // codes: as stored
    expected.text(at + 143, 6, "\x86-515");
    // The code at 209 holds the filler (length 134): only cut to its capacity.
    expected.u8(at + 209, 12);
  }

  Record member(352);
  member.fill(0, 352, kMazoviaA).i64(0, 5);
  Record member_expected = member;
  for (const auto f : {TextField{46, 9}, TextField{56, 31}, TextField{88, 22}}) {
    member.text(f.offset, f.capacity, mazovia("Gęś"));
    member_expected.text(f.offset, f.capacity, cp852_bytes("Gęś"));
  }
  address_texts(member, member_expected, 120);
  member.text(120 + 143, 6, "\x86").text(120 + 209, 12, "\x86");
  member_expected.text(120 + 143, 6, "\x86").text(120 + 209, 12, "\x86");

  office.file17("FIRMA", "DANE_PR8.REK", p.bytes());
  // A member of a person not carried: the run waits with the lines in view.
  office.file17("FIRMA", "DANE_PF8.REK", concat({member, family_member(9, "Obcy")}));
  const std::string script = wizard_converting() + select_all() + "x\n" + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_EQ(read_file(office.new_file("FIRMA/DANE_PR8.REK")), expected.bytes());
  EXPECT_EQ(read_file(office.new_file("FIRMA/DANE_PF8.REK")), member_expected.bytes());
  // The person is shown converted, the family member as stored.
  const int wait = keys_in(wizard_converting() + select_all());
  EXPECT_EQ(rows_at_key(r, wait, "osoba : Źrebiec Łucja"), 1);
  EXPECT_EQ(rows_at_key(r, wait, "  " + charset::cp852_text_to_utf8(mazovia("Gęś") + " " + mazovia("Gęś"))), 1);
}

TEST(Personnel, WageListSettingsClearedAndConverted) {
  Office office;
  office.company({"FIRMA", "FIRMA", "", ""});
  Record old(2048), expected(2048);
  old.fill(0, 2048, kMazoviaA);
  expected.fill(0, 2048, kMazoviaA);
  for (std::size_t i = 0; i < 15; ++i) {
    const std::size_t at = i < 10 ? 5 + 18 * i : 185 + 18 * (i - 10);
    old.text(at, 12, mazovia("Płaca"));
    expected.text(at, 12, cp852_bytes("Płaca"));
  }
  expected.fill(286, 6, 0).fill(294, 12, 0);
  Record second = old;
  office.file17("FIRMA", "2017_lp.cc", concat({old, second}));
  const std::string script = wizard_converting() + select_all() + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018_lp.cc")), concat({expected, expected}));
}

TEST(Families, EveryMemberOfACarriedPersonInFileOrderOthersReportedEachWithAKeyWait) {
  Office office;
  office.company({"AFIRMA", "AFIRMA", "", ""});
  office.file17("AFIRMA", "DANE_PR8.REK", concat({person(1, "Kowal"), person(2, "Nowak")}));
  office.file17("AFIRMA", "DANE_PF8.REK",
                concat({family_member(1, "Kowal1"), family_member(2, "Nowak1"), family_member(1, "Kowal2"),
                        family_member(-1, "Usuniety"), family_member(7, "Obcy"), family_member(1, "Kowal3")}));
  // The second company has no employees file: its table is empty, and the
  // first company's persons are not in it.
  office.company({"BFIRMA", "BFIRMA", "", ""});
  office.file17("BFIRMA", "DANE_PF8.REK",
                concat({family_member(1, "Kowal1"), family_member(-2, "Usuniety"), family_member(2, "Nowak1")}));

  const std::string script = wizard_defaults() + select_all() + "x\nx\nx\n" + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_EQ(read_file(office.new_file("AFIRMA/DANE_PF8.REK")),
            concat({family_member(1, "Kowal1"), family_member(2, "Nowak1"), family_member(1, "Kowal2"),
                    family_member(1, "Kowal3")}));
  EXPECT_TRUE(file_exists(office.new_file("BFIRMA/DANE_PF8.REK")));
  EXPECT_EQ(read_file(office.new_file("BFIRMA/DANE_PF8.REK")), Bytes{});
  const int first = keys_in(wizard_defaults() + select_all());
  for (int k = first; k < first + 3; ++k)
    EXPECT_EQ(last_line_at_key(r, k), "Nie odnaleziono osoby związanej z członkiem rodziny !") << k;
  EXPECT_EQ(rows_at_key(r, first, "  Kowal2 Ewa"), 1);
}

TEST(Families, WithoutTheEmployeesNoFamilyDataIsCopied) {
  Office office;
  company_with_staff(office, "FIRMA");
  // Page 3: clearing the employees' box clears the families' one too.
  const std::string wizard = "PgDn\nPgDn\nDown\nSpace\nPgDn\nF5\n" + select_all();
  const std::string script = wizard + "x\nx\n" + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_FALSE(file_exists(office.new_file("FIRMA/DANE_PR8.REK")));
  EXPECT_FALSE(file_exists(office.new_file("FIRMA/DANE_PF8.REK")));
  // Wages go silently and each live contract is reported with its key wait.
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018WP2.REK")), Bytes{});
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018UZ3.REK")), Bytes{});
  for (int k = keys_in(wizard); k < keys_in(wizard) + 2; ++k)
    EXPECT_EQ(last_line_at_key(r, k),
              "Upss... nie odnaleziono osoby związanej z odczytną umową/zlecenia !") << k;
}

TEST(Families, PastTheTableOneWarningThenOneLineCountingWhatWasLeft) {
  Office office;
  office.company({"FIRMA", "FIRMA", "", ""});
  std::vector<Record> staff;
  for (std::int64_t id = 1; id <= 2100; ++id) staff.push_back(person(id, "P"));
  office.file17("FIRMA", "DANE_PR8.REK", concat(staff));
  // Members, wages and contracts of the last recorded person, of persons
  // past the table, and of one never carried.
  std::vector<Record> members, wages, contracts;
  for (std::int64_t id : {2047, 2048, 2060, 2100, 2100, 9000}) {
    members.push_back(family_member(id, "R" + std::to_string(id)));
    wages.push_back(wage(id));
    contracts.push_back(contract(id));
  }
  office.file17("FIRMA", "DANE_PF8.REK", concat(members));
  office.file17("FIRMA", "2018WP2.REK", concat(wages));
  office.file17("FIRMA", "2018UZ3.REK", concat(contracts));
  // Waits: the 2048th person; the member and the contract of the person
  // never carried; the line counting what was left for lack of room.
  const std::string wizard = wizard_defaults() + select_all();
  const std::string script = wizard + "x\nx\nx\nx\n" + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_EQ(read_file(office.new_file("FIRMA/DANE_PR8.REK")), concat(staff));
  EXPECT_EQ(read_file(office.new_file("FIRMA/DANE_PF8.REK")), family_member(2047, "R2047").bytes());
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018WP2.REK")), wage(2047).bytes());
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018UZ3.REK")), contract(2047).bytes());
  const int first = keys_in(wizard);
  EXPECT_EQ(last_line_at_key(r, first), "Upss... za dużo pracowników, nie połapię się w rodzinach !");
  EXPECT_EQ(rows_at_key(r, first, "osoba : P Jan"), 1);  // the 2048th, its line ended
  EXPECT_EQ(last_line_at_key(r, first + 1), "Nie odnaleziono osoby związanej z członkiem rodziny !");
  EXPECT_EQ(last_line_at_key(r, first + 2), "Upss... nie odnaleziono osoby związanej z odczytną umową/zlecenia !");
  EXPECT_FALSE(r.shows("Wskaźnik osoby"));
  EXPECT_FALSE(r.shows("za duża ilość"));
  EXPECT_EQ(last_line_at_key(r, first + 3), "Poza tabelą osób 53, pominięto: rodzin 4, umów 4, wynagrodzeń 4");
}

}  // namespace
}  // namespace vx::test
