#include "personnel/family_filter.hpp"

#include <gtest/gtest.h>

#include "charset/utf8.hpp"
#include "personnel/filter_fixture.hpp"
#include "personnel/personnel_state.hpp"

namespace vx::personnel {
namespace {

using test::apply;
using test::Record;
using test::ScriptedRun;

constexpr auto kNoPerson = "Nie odnaleziono osoby związanej z członkiem rodziny !";

Record member(std::int64_t person_id, std::string_view surname, std::string_view first_name) {
  Record r(352);
  r.i64(0, person_id).text(56, 31, surname).text(88, 22, first_name);
  return r;
}

void carried(Session& run, std::initializer_list<std::int64_t> ids) {
  reset_personnel(run.staff);
  for (const auto id : ids) run.personnel.persons.add(id);
}

TEST(FamilyFilter, MembersOfCarriedPersonsAreKeptInFileOrder) {
  ScriptedRun sr("Enter\n");
  auto& run = sr.run();
  carried(run, {10, 20});

  auto anna = test::patterned(352);
  anna.i64(0, 10).text(56, 31, "KOWALSKA").text(88, 22, "ANNA");
  const auto kept = apply(family_filter, run.staff, anna);
  EXPECT_TRUE(kept.written);
  EXPECT_EQ(kept.record, anna.bytes());
  EXPECT_TRUE(apply(family_filter, run.staff, member(20, "NOWAK", "PIOTR")).written);
  EXPECT_TRUE(apply(family_filter, run.staff, member(10, "KOWALSKA", "OLA")).written);
  EXPECT_EQ(sr.console().screens_shown(), 0);

  const auto stranger = apply(family_filter, run.staff, member(99, "OBCY", "X"));
  EXPECT_FALSE(stranger.written);
  EXPECT_EQ(stranger.record, test::Bytes(352, 0));
  EXPECT_EQ(sr.console().screens_shown(), 1);

  EXPECT_FALSE(apply(family_filter, run.staff, member(-10, "USUNIETA", "Y")).written);
  EXPECT_EQ(sr.console().screens_shown(), 1);  // no message for a deleted record

  EXPECT_EQ(sr.row(1), "  KOWALSKA ANNA");
  EXPECT_EQ(sr.row(2), "  NOWAK PIOTR");
  EXPECT_EQ(sr.row(3), "  KOWALSKA OLA");
  EXPECT_EQ(sr.row(4), kNoPerson);
  EXPECT_EQ(sr.row(5), "");
}

TEST(FamilyFilter, WithoutTheEmployeesStepEveryLiveMemberIsReported) {
  ScriptedRun sr("Enter\nEnter\n");
  auto& run = sr.run();
  carried(run, {});
  EXPECT_FALSE(apply(family_filter, run.staff, member(0, "A", "A")).written);
  EXPECT_FALSE(apply(family_filter, run.staff, member(1, "B", "B")).written);
  EXPECT_EQ(sr.console().screens_shown(), 2);
  EXPECT_EQ(sr.row(2), kNoPerson);
}

TEST(FamilyFilter, ConversionChangesTheTextsAndTheAddressButShowsTheNameAsStored) {
  Record old(352);
  old.fill(0, 120, 0x86).i64(0, 5);
  const auto word = test::mazovia("Łódź");
  old.text(46, 9, word).text(56, 31, word).text(88, 22, word);
  old.text(120, 18, word).text(120 + 116, 26, word).text(120 + 143, 6, word);
  Record expected = old;
  const auto word852 = test::cp852_bytes("Łódź");
  expected.text(46, 9, word852).text(56, 31, word852).text(88, 22, word852);
  expected.text(120, 18, word852).text(120 + 116, 26, word852);

  ScriptedRun sr;
  auto& run = sr.run();
  carried(run, {5});
  test::convert_mazovia_to_852(run);
  const auto converted = apply(family_filter, run.staff, old);
  EXPECT_TRUE(converted.written);
  EXPECT_EQ(test::differences(converted.record, expected.bytes()), std::vector<std::size_t>{});
  EXPECT_EQ(sr.row(1), "  " + charset::cp852_to_utf8(word + " " + word));
}

}  // namespace
}  // namespace vx::personnel
