#include "personnel/pit_filters.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "support/pit_groups.hpp"
#include "personnel/filter_fixture.hpp"
#include "personnel/personnel_state.hpp"

namespace vx::personnel {
namespace {

using test::apply;
using test::Record;
using test::ScriptedRun;

constexpr std::size_t kSize = test::kPitSize;
using Group = test::PitGroup;
constexpr Group kA = test::kPitGroupA;
constexpr Group kB = test::kPitGroupB;
constexpr Group kC = test::kPitGroupC;
using test::copy_range;

// A source with every byte set, dated 2017, with amounts of the year before
// at +88 of every value block and two of the three switches at 13888 off.
Record source(std::int64_t id) {
  auto r = test::patterned(kSize);
  r.i64(0, id).date(12, 1, 3, 2017).date(16, 5, 5, 2017);
  r.text(105, 31, "NOWAK").text(137, 22, "JAN");
  for (const auto& g : {kA, kB, kC})
    for (std::size_t i = 0; i < g.count; ++i)
      r.f64(g.values + i * g.value_size, -1.0)
          .f64(g.values + i * g.value_size + 88, 100.0 + static_cast<double>(i));
  r.u8(13888, 0).u8(13889, 7).u8(13890, 0);
  r.u16(5783, 0x1234).u8(13943, 9);
  return r;
}

// What a PID-5 record of 2018 starts as: the head, the items and the
// amounts of the year before as opening amounts.
Record fresh_pid5(const Record& old) {
  Record e(kSize);
  copy_range(e, old, 0, 8);
  e.date(12, 1, 1, 2018);
  copy_range(e, old, 20, 388 - 20);  // office, person, address
  for (const auto& g : {kA, kB, kC})
    for (std::size_t i = 0; i < g.count; ++i) {
      copy_range(e, old, g.items + i * g.item_size, g.item_size);
      const auto values = g.values + i * g.value_size;
      e.f64(values, ConstRecordView{old.bytes()}.f64(values + 88));
    }
  for (const auto& [at, length] : {std::pair<std::size_t, std::size_t>{13884, 1},
                                  {13886, 2}, {13888, 3}, {13899, 6}, {13929, 2}, {13943, 1}})
    copy_range(e, old, at, length);
  for (std::size_t at = 13888; at < 13891; ++at)
    if (e.bytes()[at] == 0) e.u8(at, 1);
  return e;
}

TEST(Pid5Filter, BuildsAFreshRecordOf2018) {
  ScriptedRun sr;
  auto& run = sr.run();
  const auto old = source(42);
  const auto pid5 = apply(pid5_filter, run.staff, old);
  EXPECT_TRUE(pid5.written);
  EXPECT_EQ(test::differences(pid5.record, fresh_pid5(old).bytes()), std::vector<std::size_t>{});
  EXPECT_EQ(sr.row(1), "Osoba: NOWAK JAN");
  EXPECT_EQ(test::colour_at(sr, 1, 1), 8);
  EXPECT_EQ(test::colour_at(sr, 8, 1), 15);
  EXPECT_EQ(sr.console().screens_shown(), 0);
}

TEST(Pid5Filter, ARecordOf2018FromThe2018FilesIsCopiedWhole) {
  ScriptedRun sr;
  auto& run = sr.run();
  auto old = source(42);
  old.date(12, 1, 2, 2018);

  // Not taken from the 2018 files: a fresh record all the same.
  EXPECT_EQ(apply(pid5_filter, run.staff, old).record, fresh_pid5(old).bytes());

  run.conversion.from_2018_files = true;
  Record whole = old;
  for (std::size_t i = 0; i < kA.count; ++i)
    whole.f64(kA.values + i * kA.value_size, 100.0 + static_cast<double>(i));
  whole.u8(13888, 1).u8(13890, 1);
  EXPECT_EQ(test::differences(apply(pid5_filter, run.staff, old).record, whole.bytes()),
            std::vector<std::size_t>{});

  // Of 2017, though taken from the 2018 files: fresh.
  old.date(12, 31, 12, 2017);
  EXPECT_EQ(apply(pid5_filter, run.staff, old).record, fresh_pid5(old).bytes());
}

TEST(Pid5Filter, WithoutQuestionsEveryRecordIsWrittenDeletedOnesToo) {
  ScriptedRun sr;
  auto& run = sr.run();
  const auto pid5 = apply(pid5_filter, run.staff, source(-5));
  EXPECT_TRUE(pid5.written);
  EXPECT_EQ(ConstRecordView{pid5.record}.i64(0), -5);
}

TEST(PitFilters, TheQuestionTakesOnlyTAndN) {
  ScriptedRun sr("w\nx\nn\nW\nt\nW\nN\nT\n");
  auto& run = sr.run();
  run.options.pit_scope = 1;
  const auto old = source(1);

  EXPECT_FALSE(apply(pid5_filter, run.staff, old).written);
  EXPECT_EQ(sr.console().screens_shown(), 3);
  EXPECT_TRUE(apply(pid5_filter, run.staff, old).written);
  EXPECT_EQ(sr.console().screens_shown(), 5);
  EXPECT_FALSE(apply(pit28_filter, run.staff, old).written);
  EXPECT_TRUE(apply(pit28_filter, run.staff, old).written);
  EXPECT_EQ(sr.console().screens_shown(), 8);

  // Two blanks end the PID-5 question, three the PIT-28 one.
  EXPECT_EQ(sr.row(1), "Osoba: NOWAK JAN Przenieść T/N ?");
  EXPECT_EQ(test::colour_at(sr, 17, 1), 10);
  EXPECT_EQ(test::colour_at(sr, 34, 1), 10);
  EXPECT_EQ(test::colour_at(sr, 35, 1), 7);
  EXPECT_EQ(sr.row(3), "Osoba: NOWAK JAN Przenieść T/N ?");
  EXPECT_EQ(test::colour_at(sr, 35, 3), 10);
  EXPECT_EQ(test::colour_at(sr, 36, 3), 7);
}

// The PIT-28 record of 2018: the head, every month's value and flag.
Record fresh_pit28(const Record& old) {
  Record e(kSize);
  copy_range(e, old, 0, 8);
  e.date(12, 1, 1, 2018);
  copy_range(e, old, 20, 388 - 20);
  const ConstRecordView from{old.bytes()};
  for (std::size_t m = 1; m <= 12; ++m) e.u16(490 * m - 97, from.u16(5783)).u8(490 * m + 387, 3);
  e.u8(13943, from.u8(13943));
  return e;
}

TEST(Pit28Filter, EveryMonthTakesTheValueAndTheFlag) {
  ScriptedRun sr;
  auto& run = sr.run();
  auto old = source(42);
  const auto pit = apply(pit28_filter, run.staff, old);
  EXPECT_TRUE(pit.written);
  EXPECT_EQ(test::differences(pit.record, fresh_pit28(old).bytes()), std::vector<std::size_t>{});
  EXPECT_EQ(ConstRecordView{pit.record}.u16(393), 0x1234);  // January
  EXPECT_EQ(ConstRecordView{pit.record}.u8(6267), 3);       // December's flag
}

TEST(Pit28Filter, ASecondDateOf2018IsKeptOnlyFromThe2018Files) {
  ScriptedRun sr;
  auto& run = sr.run();
  auto old = source(42);
  old.date(16, 4, 4, 2018);
  EXPECT_EQ(apply(pit28_filter, run.staff, old).record, fresh_pit28(old).bytes());

  run.conversion.from_2018_files = true;
  auto expected = fresh_pit28(old);
  expected.date(16, 4, 4, 2018);
  EXPECT_EQ(apply(pit28_filter, run.staff, old).record, expected.bytes());

  old.date(16, 4, 4, 2017);
  EXPECT_EQ(apply(pit28_filter, run.staff, old).record, fresh_pit28(old).bytes());
}

TEST(PitFilters, ConversionChangesTheNamesTheAddressAndTheItemTexts) {
  const auto word = test::mazovia("Źródło");
  const auto word852 = test::cp852_bytes("Źródło");
  Record old(kSize);
  old.i64(0, 1).fill(91, 14, 0x86);  // personal block bytes before the surname
  old.text(20, 65, word).text(86, 4, word.substr(0, 4));
  old.text(105, 31, word).text(137, 22, word);
  old.text(164, 18, word).text(164 + 143, 6, word);
  for (const auto& g : {kA, kB, kC})
    for (std::size_t i = 0; i < g.count; ++i) {
      const auto item = g.items + i * g.item_size;
      old.fill(item, 29, 0x86).text(item + 29, 36, word).text(item + 66, 36, word);
    }
  for (std::size_t i = 0; i < kC.count; ++i)  // texts of group C that stay as stored
    old.text(kC.items + i * kC.item_size + 103, 36, word)
        .text(kC.items + i * kC.item_size + 140, 18, word);

  auto pid5 = fresh_pid5(old);
  auto pit28 = fresh_pit28(old);
  for (auto* e : {&pid5, &pit28})
    e->text(20, 65, word852).text(105, 31, word852).text(137, 22, word852).text(164, 18, word852);
  for (const auto& g : {kA, kB, kC})
    for (std::size_t i = 0; i < g.count; ++i)
      pid5.text(g.items + i * g.item_size + 29, 36, word852)
          .text(g.items + i * g.item_size + 66, 36, word852);

  ScriptedRun sr;
  auto& run = sr.run();
  test::convert_mazovia_to_852(run);
  EXPECT_EQ(test::differences(apply(pid5_filter, run.staff, old).record, pid5.bytes()),
            std::vector<std::size_t>{});
  EXPECT_EQ(test::differences(apply(pit28_filter, run.staff, old).record, pit28.bytes()),
            std::vector<std::size_t>{});
  EXPECT_EQ(sr.row(1), "Osoba: Źródło Źródło");
}

}  // namespace
}  // namespace vx::personnel
