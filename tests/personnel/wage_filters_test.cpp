#include "personnel/wage_filters.hpp"

#include <gtest/gtest.h>

#include "personnel/filter_fixture.hpp"
#include "personnel/personnel_state.hpp"

namespace vx::personnel {
namespace {

using test::Record;
using test::ScriptedRun;

constexpr auto kNoPerson =
    "Upss... nie odnaleziono osoby związanej z odczytną umową/zlecenia !";

void carried(Session& run, std::initializer_list<std::int64_t> ids) {
  reset_personnel(run.staff);
  for (const auto id : ids) run.personnel.persons.add(id);
}

// Mazovia text in each field of a record otherwise filled with a byte that
// no standard converts; the expectation holds the CP852 form.
struct TextsCase {
  Record old;
  Record expected;
};
TextsCase texts_case(std::size_t size, std::initializer_list<TextField> fields) {
  TextsCase c{Record(size), Record(size)};
  c.old.fill(0, size, 0xEE);
  c.expected.fill(0, size, 0xEE);
  for (const auto f : fields) {
    c.old.text(f.offset, f.capacity, test::mazovia("Gęś"));
    c.expected.text(f.offset, f.capacity, test::cp852_bytes("Gęś"));
  }
  return c;
}

TEST(WageListSettings, ClearsTheMonthsAndSixBytesAndConvertsTheTexts) {
  std::initializer_list<TextField> texts = {
      {5, 12},   {23, 12},  {41, 12},  {59, 12},  {77, 12},  {95, 12},  {113, 12}, {131, 12},
      {149, 12}, {167, 12}, {185, 12}, {203, 12}, {221, 12}, {239, 12}, {257, 12}};
  auto c = texts_case(2048, texts);
  c.expected.fill(286, 6, 0).fill(294, 12, 0);

  ScriptedRun sr;
  auto& run = sr.run();
  test::convert_mazovia_to_852(run);
  auto rec = c.old;
  EXPECT_TRUE(wage_list_settings_filter(run.staff, rec.view()));
  EXPECT_EQ(test::differences(rec.bytes(), c.expected.bytes()), std::vector<std::size_t>{});

  // Keeping the standard changes only the cleared bytes.
  run.cs.charset_mode = 0;
  rec = c.old;
  EXPECT_TRUE(wage_list_settings_filter(run.staff, rec.view()));
  auto kept = c.old;
  kept.fill(286, 6, 0).fill(294, 12, 0);
  EXPECT_EQ(rec.bytes(), kept.bytes());
}

TEST(WageFilter, WagesOfPersonsNotCarriedVanishWithoutAWord) {
  auto c = texts_case(10176, {{15, 50}, {66, 50}, {117, 50}, {168, 50},
                              {219, 50}, {270, 50}, {321, 50}, {372, 50}});
  c.old.i64(0, 8);
  c.expected.i64(0, 8);

  ScriptedRun sr;
  auto& run = sr.run();
  carried(run, {8});
  test::convert_mazovia_to_852(run);
  auto rec = c.old;
  EXPECT_TRUE(wage_filter(run.staff, rec.view()));
  EXPECT_EQ(test::differences(rec.bytes(), c.expected.bytes()), std::vector<std::size_t>{});
  EXPECT_EQ(sr.row(1), "Wynagrodzenie idx =");

  rec = c.old;
  EXPECT_FALSE(wage_filter(run.staff, rec.i64(0, 9).view()));
  EXPECT_FALSE(wage_filter(run.staff, rec.i64(0, -8).view()));
  EXPECT_EQ(sr.row(2), "");
  EXPECT_EQ(sr.console().screens_shown(), 0);
}

TEST(ContractFilter, ContractsOfPersonsNotCarriedAreReportedOneByOne) {
  auto c = texts_case(552, {{20, 10}, {31, 10}, {42, 60}, {103, 60}, {164, 60}});
  c.old.i64(0, 3);
  c.expected.i64(0, 3);

  ScriptedRun sr("Enter\nEnter\n");
  auto& run = sr.run();
  carried(run, {3});
  test::convert_mazovia_to_852(run);
  auto rec = c.old;
  EXPECT_TRUE(contract_filter(run.staff, rec.view()));
  EXPECT_EQ(test::differences(rec.bytes(), c.expected.bytes()), std::vector<std::size_t>{});
  EXPECT_EQ(sr.console().screens_shown(), 0);

  EXPECT_FALSE(contract_filter(run.staff, rec.i64(0, -3).view()));
  EXPECT_EQ(sr.console().screens_shown(), 0);
  EXPECT_FALSE(contract_filter(run.staff, rec.i64(0, 4).view()));
  EXPECT_FALSE(contract_filter(run.staff, rec.i64(0, 5).view()));
  EXPECT_EQ(sr.console().screens_shown(), 2);
  EXPECT_EQ(sr.row(1), kNoPerson);
  EXPECT_EQ(sr.row(2), kNoPerson);
}

}  // namespace
}  // namespace vx::personnel
