// PID-5 and PIT-28 data carried through the whole run: fresh records of
// 2018, whole copies of records already of 2018, the source files chosen.
#include <gtest/gtest.h>

#include <cstring>

#include "support/pit_groups.hpp"
#include "e2e/run_keys.hpp"
#include "support/office.hpp"

namespace vx::test {
namespace {

constexpr std::size_t kSize = test::kPitSize;
using Group = test::PitGroup;
constexpr Group kA = test::kPitGroupA;
constexpr Group kB = test::kPitGroupB;
constexpr Group kC = test::kPitGroupC;
using test::copy_range;
double f64_of(const Record& r, std::size_t at) { return ConstRecordView{r.bytes()}.f64(at); }
std::uint16_t u16_of(const Record& r, std::size_t at) { return ConstRecordView{r.bytes()}.u16(at); }

// A source with every byte set, dated 2017, with an amount of the year
// before at +88 of every value block and two of the switches at 13888 off.
Record source(std::int64_t id, std::uint8_t seed = 0) {
  Record r(kSize);
  for (std::size_t i = 0; i < kSize; ++i) r.bytes()[i] = static_cast<std::uint8_t>(i * 7 + 3 + seed);
  r.i64(0, id).date(12, 1, 3, 2017).date(16, 5, 5, 2017);
  r.text(105, 31, "NOWAK").text(137, 22, "JAN");
  for (const auto& g : {kA, kB, kC})
    for (std::size_t i = 0; i < g.count; ++i)
      r.f64(g.values + i * g.value_size, -1.0)
          .f64(g.values + i * g.value_size + 88, 100.0 * static_cast<double>(id) + static_cast<double>(i));
  r.u8(13888, 0).u8(13889, 7).u8(13890, 0);
  r.u16(5783, static_cast<std::uint16_t>(0x1200 + id)).u8(13943, 9);
  return r;
}

void switches_on(Record& e) {
  for (std::size_t at = 13888; at < 13891; ++at)
    if (e.bytes()[at] == 0) e.u8(at, 1);
}

// PID-5 of 2018 built fresh: the ID, 1.1.2018 at 12 and 0 at 16, the head
// (office, person, address), the items, the amounts of the year before as
// the opening amounts, the trailing fields.
Record fresh_pid5(const Record& old) {
  Record e(kSize);
  copy_range(e, old, 0, 8);
  e.date(12, 1, 1, 2018);
  copy_range(e, old, 20, 388 - 20);
  for (const auto& g : {kA, kB, kC})
    for (std::size_t i = 0; i < g.count; ++i) {
      copy_range(e, old, g.items + i * g.item_size, g.item_size);
      const auto values = g.values + i * g.value_size;
      e.f64(values, f64_of(old, values + 88));
    }
  for (const auto& [at, length] : {std::pair<std::size_t, std::size_t>{13884, 1}, {13886, 2}, {13888, 3},
                                  {13899, 2}, {13901, 2}, {13903, 2}, {13929, 1}, {13930, 1}, {13943, 1}})
    copy_range(e, old, at, length);
  switches_on(e);
  return e;
}

// PID-5 already of 2018 from the 2018 files: the whole source, group A's
// amounts still moved, groups B and C as they were.
Record whole_pid5(const Record& old) {
  Record e = old;
  for (std::size_t i = 0; i < kA.count; ++i)
    e.f64(kA.values + i * kA.value_size, f64_of(old, kA.values + i * kA.value_size + 88));
  switches_on(e);
  return e;
}

// PIT-28 of 2018: the ID, the dates, the head, every month's value (the
// source's at 5783) and byte 3, the byte at 13943.
Record fresh_pit28(const Record& old, bool keeps_second_date = false) {
  Record e(kSize);
  copy_range(e, old, 0, 8);
  e.date(12, 1, 1, 2018);
  if (keeps_second_date) copy_range(e, old, 16, 4);
  copy_range(e, old, 20, 388 - 20);
  for (std::size_t m = 1; m <= 12; ++m) e.u16(490 * m - 97, u16_of(old, 5783)).u8(490 * m + 387, 3);
  copy_range(e, old, 13943, 1);
  return e;
}

// Both annual files in the 2017 directory; N at the question takes the 2018
// one, so the company's data come from its 2018 files.
const std::string kTake2018Annual = "N\n";
void with_2018_annual_file(Office& office, const std::string& dir) {
  office.file17(dir, "2018_ROK.REK", concat({annual_settings_record(3), Record(512), Record(512)}));
}

TEST(Pid5Pit28, FreshRecordsOf2018ForEveryRecordDeletedOnesToo) {
  Office office;
  office.company({"FIRMA", "FIRMA", "", ""});
  auto dated_2018 = source(43, 1);
  dated_2018.date(12, 2, 2, 2018).date(16, 3, 3, 2018);
  office.file17("FIRMA", "2017p5.13", concat({source(42), source(-5, 2), dated_2018}));
  // Not from the 2018 files: the second date of 2018 is not kept.
  office.file17("FIRMA", "2017_p28.rek", concat({source(42), dated_2018}));
  const std::string script = wizard_defaults() + select_all() + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;

  const auto pid5 = read_file(office.new_file("FIRMA/2018p5.13"));
  EXPECT_EQ(pid5, concat({fresh_pid5(source(42)), fresh_pid5(source(-5, 2)), fresh_pid5(dated_2018)}));
  // Spot checks from the layout: the date, a moved amount, a switch turned on.
  ASSERT_EQ(pid5.size(), 3 * kSize);
  const ConstRecordView first{std::span(pid5).first(kSize)};
  EXPECT_EQ(first.u32(12), 1u | 1u << 8 | 2018u << 16);
  EXPECT_EQ(first.u32(16), 0u);
  EXPECT_EQ(first.f64(5428 + 424 * 7), 4207.0);
  EXPECT_EQ(first.u8(13888), 1);
  EXPECT_EQ(first.u8(13889), 7);
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018_p28.rek")),
            concat({fresh_pit28(source(42)), fresh_pit28(dated_2018)}));
}

TEST(Pid5Pit28, EveryMonthOfPit28TakesTheValueAndTheByte) {
  Office office;
  office.company({"FIRMA", "FIRMA", "", ""});
  office.file17("FIRMA", "2017_p28.rek", source(42).bytes());
  auto r = office.migrate(wizard_defaults() + select_all() + finish());
  ASSERT_EQ(r.exit_code, 0) << r.output;
  const auto pit = read_file(office.new_file("FIRMA/2018_p28.rek"));
  ASSERT_EQ(pit.size(), kSize);
  const ConstRecordView rec{pit};
  for (std::size_t m = 1; m <= 12; ++m) {
    EXPECT_EQ(rec.u16(490 * m - 97), 0x1200 + 42) << m;  // 393, 883, ... 5783
    EXPECT_EQ(rec.u8(490 * m + 387), 3) << m;            // 877, 1367, ... 6267
  }
  EXPECT_EQ(rec.u8(13943), 9);
  EXPECT_EQ(pit, fresh_pit28(source(42)).bytes());
}

TEST(Pid5Pit28, FromThe2018FilesWithoutAQuestionRecordsOf2018CopiedWhole) {
  Office office;
  office.company({"FIRMA", "FIRMA", "", ""});
  with_2018_annual_file(office, "FIRMA");
  auto of_2018 = source(42);
  of_2018.date(12, 1, 2, 2018).date(16, 7, 7, 2018);
  const auto of_2017 = source(43, 1);
  office.file17("FIRMA", "2018p5.13", concat({of_2018, of_2017}));
  office.file17("FIRMA", "2017p5.13", source(99).bytes());
  office.file17("FIRMA", "2018_p28.rek", concat({of_2018, of_2017}));
  office.file17("FIRMA", "2017_p28.rek", source(99).bytes());
  const std::string script = wizard_defaults() + select_all() + kTake2018Annual + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  // No found-file question: it would have taken a key.

  const auto pid5 = read_file(office.new_file("FIRMA/2018p5.13"));
  EXPECT_EQ(pid5, concat({whole_pid5(of_2018), fresh_pid5(of_2017)}));
  ASSERT_EQ(pid5.size(), 2 * kSize);
  const ConstRecordView whole{std::span(pid5).first(kSize)};
  EXPECT_EQ(whole.f64(1212), 4200.0);  // group A moved
  EXPECT_EQ(whole.f64(5428), -1.0);    // group B left alone
  EXPECT_EQ(whole.f64(9158), -1.0);    // group C left alone
  EXPECT_EQ(whole.u32(16), 7u | 7u << 8 | 2018u << 16);
  // PIT-28 keeps a second date of 2018 from the 2018 files.
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018_p28.rek")),
            concat({fresh_pit28(of_2018, true), fresh_pit28(of_2017)}));
}

TEST(Pid5Pit28, TheFoundFileQuestionChoosesTheSource) {
  Office office;
  office.company({"FIRMA", "FIRMA", "", ""});
  office.file17("FIRMA", "2018p5.13", source(18).bytes());
  office.file17("FIRMA", "2017p5.13", source(17).bytes());
  office.file17("FIRMA", "2018_p28.rek", source(28).bytes());
  office.file17("FIRMA", "2017_p28.rek", source(27).bytes());
  // PID-5: z leaves the found file, which becomes the source; PIT-28: w
  // copies, so the 2017 file is the source.
  const std::string script = wizard_defaults() + select_all() + "z\nw\n" + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018p5.13")), fresh_pid5(source(18)).bytes());
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018_p28.rek")), fresh_pit28(source(27)).bytes());
  const int first = keys_in(wizard_defaults() + select_all());
  EXPECT_EQ(rows_at_key(r, first, "PID-5 Stwierdzono obecność pliku 2018p5.13"), 1);
  EXPECT_EQ(rows_at_key(r, first + 1, "\"PIT-28\" Stwierdzono obecność pliku 2018_p28.rek"), 1);
  EXPECT_FALSE(file_exists(office.new_file("FIRMA/2017p5.13")));
}

TEST(Pid5Pit28, AskingTakesOnlyTAndN) {
  Office office;
  office.company({"FIRMA", "FIRMA", "", ""});
  office.file17("FIRMA", "2017p5.13", concat({source(1), source(2, 1)}));
  office.file17("FIRMA", "2017_p28.rek", concat({source(3), source(4, 1)}));
  // PID-5: w and x ignored, t takes the first; W ignored, N leaves the
  // second. PIT-28: n leaves the first, T takes the second.
  const std::string wizard = wizard_with_scopes(0, 1) + select_all();
  const std::string script = wizard + "w\nx\nt\nW\nN\nn\nT\n" + finish();
  auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018p5.13")), fresh_pid5(source(1)).bytes());
  EXPECT_EQ(read_file(office.new_file("FIRMA/2018_p28.rek")), fresh_pit28(source(4, 1)).bytes());
  const int first = keys_in(wizard);
  EXPECT_EQ(last_line_at_key(r, first), "Osoba: NOWAK JAN Przenieść T/N ?");
  EXPECT_EQ(last_line_at_key(r, first + 5), "Osoba: NOWAK JAN Przenieść T/N ?");
}

}  // namespace
}  // namespace vx::test
