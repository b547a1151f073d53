#include "personnel/person_filter.hpp"

#include <gtest/gtest.h>

#include "charset/utf8.hpp"
#include "personnel/personnel_state.hpp"
#include "personnel/filter_fixture.hpp"

namespace vx::personnel {
namespace {

using test::apply;
using test::Record;
using test::ScriptedRun;

Record person(std::int64_t id, std::string_view surname, std::string_view first_name,
              std::uint32_t employed_until = 0) {
  Record r(2048);
  r.i64(0, id).text(40, 31, surname).text(72, 22, first_name).u32(213, employed_until);
  return r;
}

std::uint32_t packed(int d, int m, int y) {
  return static_cast<std::uint32_t>(d) | static_cast<std::uint32_t>(m) << 8 |
         static_cast<std::uint32_t>(y) << 16;
}

void start_company(Session& run, std::uint16_t person_scope) {
  run.options.person_scope = person_scope;
  reset_personnel(run.staff);
}

TEST(PersonFilter, AllModeCarriesEveryLivePersonAsStored) {
  ScriptedRun sr;
  auto& run = sr.run();
  start_company(run, 0);

  auto kowalski = test::patterned(2048);
  kowalski.i64(0, 7).text(40, 31, "KOWALSKI").text(72, 22, "JAN");
  const auto first = apply(person_filter, run.staff, kowalski);
  EXPECT_TRUE(first.written);
  EXPECT_EQ(first.record, kowalski.bytes());

  EXPECT_FALSE(apply(person_filter, run.staff, person(-3, "USUNIETY", "X")).written);
  EXPECT_TRUE(apply(person_filter, run.staff, person(0, "NOWAK", "EWA")).written);

  const auto& persons = run.personnel.persons;
  EXPECT_EQ(persons.count(), 2);
  EXPECT_EQ(persons.at(1), 7);
  EXPECT_EQ(persons.at(2), 0);
  EXPECT_FALSE(persons.contains(-3));

  EXPECT_EQ(sr.row(1), "osoba : KOWALSKI JAN");
  EXPECT_EQ(sr.row(2), "osoba : NOWAK EWA");
  EXPECT_EQ(sr.row(3), "");  // the deleted record shows nothing
  EXPECT_EQ(test::colour_at(sr, 1, 1), 8);
  EXPECT_EQ(test::colour_at(sr, 9, 1), 15);
  EXPECT_EQ(sr.console().screens_shown(), 0);
}

TEST(PersonFilter, EmployedModeKeepsThoseEmployedOnTheLastDayOf2017) {
  ScriptedRun sr;
  auto& run = sr.run();
  start_company(run, 1);

  EXPECT_TRUE(apply(person_filter, run.staff, person(1, "A", "A", 0)).written);
  EXPECT_TRUE(apply(person_filter, run.staff, person(2, "B", "B", packed(31, 12, 2017))).written);
  EXPECT_FALSE(apply(person_filter, run.staff, person(3, "C", "C", packed(30, 12, 2017))).written);
  EXPECT_TRUE(apply(person_filter, run.staff, person(4, "D", "D", packed(1, 1, 2018))).written);
  EXPECT_FALSE(apply(person_filter, run.staff, person(5, "E", "E", packed(15, 6, 2016))).written);
  // Compared as signed numbers: a year whose top bit is set reads as
  // negative, before the cut-off.
  EXPECT_FALSE(apply(person_filter, run.staff, person(6, "F", "F", packed(1, 1, 40000))).written);

  EXPECT_EQ(sr.row(1), "osoba : A A");
  EXPECT_EQ(sr.row(3), "osoba : C C - zwolniony");
  EXPECT_EQ(sr.row(4), "osoba : D D");
  EXPECT_EQ(sr.row(5), "osoba : E E - zwolniony");
  EXPECT_EQ(sr.row(6), "osoba : F F - zwolniony");
  EXPECT_EQ(sr.row(7), "");
  const auto& persons = run.personnel.persons;
  EXPECT_EQ(persons.count(), 3);
  EXPECT_EQ(persons.at(3), 4);
  EXPECT_FALSE(persons.contains(3));
}

TEST(PersonFilter, EachDismissedPersonPausesAQuarterOfASecond) {
  ScriptedRun sr;
  auto& run = sr.run();
  start_company(run, 1);
  const int start = run.console.seconds_of_day();
  const auto dismissed = person(3, "C", "C", packed(30, 12, 2017));
  for (int i = 0; i < 3; ++i) apply(person_filter, run.staff, dismissed);
  EXPECT_EQ(run.console.seconds_of_day(), start);  // 750 ms
  apply(person_filter, run.staff, person(1, "A", "A"));  // kept: no pause
  EXPECT_EQ(run.console.seconds_of_day(), start);
  apply(person_filter, run.staff, dismissed);
  EXPECT_EQ(run.console.seconds_of_day(), start + 1);
}

TEST(PersonFilter, AskModeTakesTNWInEitherCaseAndWLastsToTheEndOfTheCompany) {
  ScriptedRun sr("x\nt\nn\nEsc\nw\nT\n");
  auto& run = sr.run();
  start_company(run, 2);

  EXPECT_TRUE(apply(person_filter, run.staff, person(1, "A", "A")).written);  // x ignored, then t
  EXPECT_EQ(sr.console().screens_shown(), 2);
  EXPECT_EQ(sr.row(1), "osoba : A A Przenieść T/N /W  ?");
  EXPECT_EQ(test::colour_at(sr, 12, 1), 10);
  EXPECT_EQ(test::colour_at(sr, 31, 1), 10);  // the blank after the question mark

  EXPECT_FALSE(apply(person_filter, run.staff, person(2, "B", "B")).written);  // n
  EXPECT_TRUE(apply(person_filter, run.staff, person(3, "C", "C")).written);   // Esc ignored, then w
  EXPECT_EQ(sr.console().screens_shown(), 5);
  EXPECT_TRUE(apply(person_filter, run.staff, person(4, "D", "D")).written);  // no question after W
  EXPECT_EQ(sr.console().screens_shown(), 5);
  EXPECT_EQ(sr.row(4), "osoba : D D");

  const auto& persons = run.personnel.persons;
  EXPECT_EQ(persons.count(), 3);
  EXPECT_EQ(persons.at(1), 1);
  EXPECT_EQ(persons.at(2), 3);
  EXPECT_EQ(persons.at(3), 4);

  // The next company asks again and starts an empty table.
  start_company(run, 2);
  EXPECT_EQ(persons.count(), 0);
  EXPECT_EQ(persons.at(1), 0);
  EXPECT_TRUE(apply(person_filter, run.staff, person(5, "E", "E")).written);  // T
  EXPECT_EQ(sr.console().screens_shown(), 6);
  EXPECT_EQ(persons.at(1), 5);
}

TEST(PersonFilter, The2048thPersonIsCarriedButNotRecordedAndWarned) {
  ScriptedRun sr("Enter\n");
  auto& run = sr.run();
  start_company(run, 0);
  auto p = person(0, "A", "A");
  for (std::int64_t id = 1; id <= 2047; ++id)
    ASSERT_TRUE(apply(person_filter, run.staff, p.i64(0, 100 + id)).written);
  EXPECT_EQ(sr.console().screens_shown(), 0);

  EXPECT_TRUE(apply(person_filter, run.staff, p.i64(0, 100 + 2048)).written);
  EXPECT_EQ(sr.console().screens_shown(), 1);
  EXPECT_TRUE(test::shown_at_key_wait(
      sr, "Upss... za dużo pracowników, nie połapię się w rodzinach !"));

  const auto later = apply(person_filter, run.staff, p.i64(0, 100 + 2049));
  EXPECT_TRUE(later.written);
  EXPECT_EQ(later.record, p.bytes());
  EXPECT_EQ(sr.console().screens_shown(), 1);  // said once only

  const auto& persons = run.personnel.persons;
  EXPECT_EQ(persons.count(), 2049);
  EXPECT_EQ(persons.at(2047), 100 + 2047);
  EXPECT_EQ(persons.at(2048), 0);
  EXPECT_TRUE(persons.contains(100 + 2047));
  EXPECT_FALSE(persons.contains(100 + 2048));
  EXPECT_FALSE(persons.contains(100 + 2049));
}

TEST(TransferredPersons, NeverFindsAnIdThatWasNotRecorded) {
  TransferredPersons persons;
  for (std::int64_t id = 1; id <= 2048; ++id) persons.add(id);
  // The last position is never written and holds 0.
  EXPECT_FALSE(persons.contains(0));
  EXPECT_TRUE(persons.contains(1));
  EXPECT_TRUE(persons.contains(2047));
}

TEST(TransferredPersons, CountHoldsAtItsMaximumInsteadOfWrapping) {
  TransferredPersons persons;
  persons.add(42);
  for (int i = 0; i < 70000; ++i) persons.add(1000);
  EXPECT_EQ(persons.count(), 65535);
  EXPECT_EQ(persons.at(1), 42);
  EXPECT_TRUE(persons.contains(42));
}

// The converted texts of a person record, written out from its layout.
constexpr TextField kConvertedTexts[] = {
    {40, 31},   {72, 22},   {95, 22},   {118, 22},  {141, 22},  {168, 40},  {219, 31},
    {251, 22},  {427, 36},  {513, 65},  {1256, 30}, {1300, 50}, {1351, 50}, {1402, 50},
    {1453, 50}, {1504, 50}, {1555, 50}, {1606, 50}, {1657, 50}, {1710, 24}, {1745, 31},
    {1851, 31}, {1883, 22}, {1915, 8},  {1925, 70}, {2000, 15},
};
constexpr std::size_t kAddressBlocks[] = {584, 808, 1032};

TEST(PersonFilter, ConversionChangesExactlyTheTextsOfTheRecord) {
  // Every byte outside the texts holds the Mazovia code of "ą", so a byte
  // converted outside a text shows.
  Record old(2048);
  old.fill(0, 2048, 0x86).fill(584, 3 * 224, 0).i64(0, 1);
  Record expected = old;
  const auto word = test::mazovia("Żółć");
  const auto word852 = test::cp852_bytes("Żółć");
  for (const auto f : kConvertedTexts) {
    old.text(f.offset, f.capacity, word);
    expected.text(f.offset, f.capacity, word852);
  }
  old.text(579, 4, test::mazovia("ąę"));  // office code
  expected.text(579, 4, test::mazovia("ąę"));
  for (const auto at : kAddressBlocks) {
    for (const auto f : {TextField{0, 18}, TextField{116, 26}}) {
      old.text(at + f.offset, f.capacity, word);
      expected.text(at + f.offset, f.capacity, word852);
    }
    old.text(at + 143, 6, test::mazovia("śćź"));  // codes
    expected.text(at + 143, 6, test::mazovia("śćź"));
  }

  ScriptedRun sr;
  auto& run = sr.run();
  start_company(run, 0);
  test::convert_mazovia_to_852(run);
  const auto converted = apply(person_filter, run.staff, old);
  EXPECT_TRUE(converted.written);
  EXPECT_EQ(test::differences(converted.record, expected.bytes()), std::vector<std::size_t>{});
  EXPECT_EQ(sr.row(1), "osoba : Żółć Żółć");

  // Keeping the standard carries the record as stored.
  run.cs.charset_mode = 0;
  EXPECT_EQ(apply(person_filter, run.staff, old).record, old.bytes());
  EXPECT_EQ(sr.row(2), "osoba : " + charset::cp852_to_utf8(word + " " + word));
}

}  // namespace
}  // namespace vx::personnel
