// Employees, families, wages and contracts carried through the whole run.
#include <gtest/gtest.h>

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
  office.file17(dir, "DANE_PF8.REK", concat({family_member(1, "Stay"), family_member(3, "Gone"), family_member(1, "Stay2")}));
  office.file17(dir, "2018WP2.REK", concat({wage(3), wage(2)}));
  office.file17(dir, "2018UZ3.REK", concat({contract(3), contract(-1), contract(1)}));
  return office;
}

TEST(Personnel, EmployedOnTheLastDayOfTheYearOnlyAndTheirDependents) {
  Office office;
  company_with_staff(office, "FIRMA");
  // Key waits: the family member of the dismissed person, then the contract.
  auto r = office.migrate(wizard_with_person_scope(1) + select_all() + "x\nx\n" + finish());
  ASSERT_EQ(r.exit_code, 0) << r.output;
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
  auto r = office.migrate(wizard_defaults() + select_all() + "x\n" + finish());
  ASSERT_EQ(r.exit_code, 0);
  EXPECT_EQ(read_file(office.new_file("FIRMA/DANE_PR8.REK")),
            concat({person(1, "Stay"), person(2, "Last", 31, 12, 2017), person(3, "Gone", 30, 12, 2017)}));
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018WP2.REK")), concat({wage(3), wage(2)}));
  // The contract with a negative person goes without a word.
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018UZ3.REK")), concat({contract(3), contract(1)}));
  EXPECT_FALSE(r.shows("Upss..."));
}

TEST(Personnel, AskingEachPersonWithWCarryingTheRestOfTheCompanyOnly) {
  Office office;
  for (const std::string dir : {"AFIRMA", "BFIRMA"}) {
    office.company({dir, dir, "", ""});
    office.file17(dir, "DANE_PR8.REK", concat({person(1, "Pierwszy"), person(2, "Drugi"), person(3, "Trzeci")}));
  }
  // Company A: w at the first person carries all three unasked. Company B
  // asks again: x is ignored, n leaves the first, T takes the second, t the third.
  auto r = office.migrate(wizard_with_person_scope(2) + select_all() + "w\nx\nn\nT\nt\n" + finish());
  ASSERT_EQ(r.exit_code, 0) << r.output;
  EXPECT_EQ(read_file(office.new_file("AFIRMA/DANE_PR8.REK")),
            concat({person(1, "Pierwszy"), person(2, "Drugi"), person(3, "Trzeci")}));
  EXPECT_EQ(read_file(office.new_file("BFIRMA/DANE_PR8.REK")), concat({person(2, "Drugi"), person(3, "Trzeci")}));
  EXPECT_TRUE(r.shows("osoba : Pierwszy Jan Przenieść T/N /W  ?"));
}

TEST(Personnel, ConversionChangesExactlyTheListedFields) {
  Office office;
  office.company({"FIRMA", "FIRMA", "", ""});
  Record p(2048);
  p.i64(0, 5).text(40, 31, mazovia("Żółć")).text(72, 22, mazovia("Łucja"));
  p.text(513, 65, mazovia("Urząd Śródmieście")).text(579, 4, "\x86\x86");
  p.text(584 + 42, 26, mazovia("Łódź")).text(584 + 143, 6, "\x86-515");
  p.u8(300, 0x86);  // no field: stays
  office.file17("FIRMA", "DANE_PR8.REK", p.bytes());
  // Page 1: the character standard is the third control; its second choice.
  auto r = office.migrate("Tab\nTab\nDown\nSpace\nPgDn\nPgDn\nPgDn\nF5\n" + select_all() + finish());
  ASSERT_EQ(r.exit_code, 0) << r.output;
  Record expected = p;
  expected.text(40, 31, cp852_bytes("Żółć")).text(72, 22, cp852_bytes("Łucja"));
  expected.text(513, 65, cp852_bytes("Urząd Śródmieście"));
  expected.text(584 + 42, 26, cp852_bytes("Łódź"));
  EXPECT_EQ(read_file(office.new_file("FIRMA/DANE_PR8.REK")), expected.bytes());
}

}  // namespace
}  // namespace vx::test
