#include "transfer/record_copy.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "support/fixture.hpp"
#include "support/unprivileged_user.hpp"
#include "transfer/copy_test_support.hpp"

namespace vx::test {
namespace {

using transfer::convert_records;
using transfer::copy_records;
using transfer::Existing;

// Three records of 300 bytes filled with 1, 2, 3 and a short fourth of 100
// bytes filled with 4: a 1000-byte file.
Bytes numbered_records() {
  Bytes b;
  for (std::uint8_t n = 1; n <= 3; ++n) b.insert(b.end(), 300, n);
  b.insert(b.end(), 100, 4);
  return b;
}

// What the converters saw, record by record.
std::vector<Bytes> seen;

bool mark_end_and_keep(RecordView rec) {
  seen.emplace_back(rec.bytes().begin(), rec.bytes().end());
  rec.set_u8(0, 0xAA);
  rec.set_u8(299, 0xBB);  // beyond a short record's end: never written
  return true;
}

bool drop_all(RecordView) { return false; }
bool drop_all_new(ConstRecordView, RecordView) { return false; }

// Keeps the new record as the converter found it, then copies the old one
// behind a marker at the record's own number.
bool copy_behind_marker(ConstRecordView old_record, RecordView new_record) {
  seen.emplace_back(new_record.bytes().begin(), new_record.bytes().end());
  new_record.set_u8(old_record.u8(0), 0xCC);
  new_record.copy_from(old_record, 10, old_record.size() - 10);
  return old_record.u8(0) != 2;  // the second record is dropped
}

class RecordCopy : public ::testing::Test {
 protected:
  void SetUp() override { seen.clear(); }
  std::string at(std::string_view name) const { return path_of(dir / name); }
  TempDir dir;
};

TEST_F(RecordCopy, ShortLastRecordIsConvertedWithAZeroTailAndWrittenShort) {
  write_file(dir / "a.rek", numbered_records());
  ScriptedRun r;
  EXPECT_TRUE(copy_records(r.run().copier, at("a.rek"), at("b.rek"), 300, mark_end_and_keep));

  ASSERT_EQ(seen.size(), 4u);
  Bytes last(300, 0);
  std::fill(last.begin(), last.begin() + 100, 4);
  EXPECT_EQ(seen[3], last);  // not the third record's bytes
  Bytes expected = numbered_records();
  for (std::size_t r0 : {0, 300, 600, 900}) expected[r0] = 0xAA;
  for (std::size_t end : {299, 599, 899}) expected[end] = 0xBB;
  EXPECT_EQ(read_file(dir / "b.rek"), expected);

  EXPECT_EQ(r.row(1), "Kopiuje " + at("a.rek") + "  3 pozycji ...");
  EXPECT_TRUE(row_coloured(r, 1, 0x09, 1, 8));
  EXPECT_EQ(r.row(2), "");
  EXPECT_EQ(r.run().out.attr(), 0x07);
}

// Keeps records whose first byte is not a multiple of 3 and marks them.
bool drop_every_third(RecordView rec) {
  if (rec.u8(0) % 3 == 0) return false;
  rec.set_u8(1, 0xEE);
  return true;
}

bool widen_every_third_dropped(ConstRecordView old_record, RecordView new_record) {
  if (old_record.u8(0) % 3 == 0) return false;
  new_record.copy_from(old_record, 0, old_record.size());
  new_record.set_u8(old_record.size(), 0xEE);
  return true;
}

TEST_F(RecordCopy, LargeFilesKeepEveryRecordInOrder) {
  // 2000 records of 300 bytes, numbered in their first two bytes, then a
  // short record of 7 bytes: several blocks of reading.
  Bytes source;
  for (int n = 0; n < 2000; ++n) {
    Bytes rec(300, static_cast<std::uint8_t>(n * 7));
    rec[0] = static_cast<std::uint8_t>(n % 256);
    rec[1] = static_cast<std::uint8_t>(n / 256);
    source.insert(source.end(), rec.begin(), rec.end());
  }
  source.insert(source.end(), 7, 1);  // first byte 1: kept
  write_file(dir / "a.rek", source);
  ScriptedRun r;
  EXPECT_TRUE(copy_records(r.run().copier, at("a.rek"), at("b.rek"), 300, drop_every_third));
  EXPECT_TRUE(convert_records(r.run().copier, at("a.rek"), at("c.rek"), 300, 301, widen_every_third_dropped));

  Bytes same, wider;
  for (std::size_t at = 0; at < source.size(); at += 300) {
    Bytes rec(source.begin() + static_cast<long>(at),
              source.begin() + static_cast<long>(std::min(at + 300, source.size())));
    if (rec[0] % 3 == 0) continue;
    Bytes marked = rec;
    marked[1] = 0xEE;
    same.insert(same.end(), marked.begin(), marked.end());
    rec.resize(300, 0);
    rec.push_back(0xEE);
    wider.insert(wider.end(), rec.begin(), rec.end());
  }
  EXPECT_EQ(read_file(dir / "b.rek"), same);
  EXPECT_EQ(read_file(dir / "c.rek"), wider);
  // Each copy's event counts what it read and wrote, the short record too.
  ASSERT_EQ(r.steps().size(), 2u);
  for (const auto& step : r.steps()) {
    EXPECT_EQ(step.outcome, dialogue::Outcome::kCopied);
    EXPECT_EQ(step.records_read, 2001u);
    EXPECT_EQ(step.records_written, wider.size() / 301);
  }
  EXPECT_EQ(r.steps()[0].bytes, same.size());
  EXPECT_EQ(r.steps()[1].bytes, wider.size());
  EXPECT_EQ(r.row(1), "Kopiuje " + at("a.rek") + "  2000 pozycji ...");
}

TEST_F(RecordCopy, WithoutAConverterPolishLettersAreConverted) {
  // Mazovia ą, a zero byte, ń; then a short record.
  write_file(dir / "a.rek", Bytes{0x86, 0x00, 0xA4, 0x41, 0x86});
  ScriptedRun r;
  r.run().cs = {1, charset::kMazovia, charset::kCp852};
  EXPECT_TRUE(copy_records(r.run().copier, at("a.rek"), at("b.rek"), 4));
  EXPECT_EQ(read_file(dir / "b.rek"), (Bytes{0xA5, 0x00, 0xE4, 0x41, 0xA5}));
  r.run().cs.charset_mode = 0;
  EXPECT_TRUE(copy_records(r.run().copier, at("a.rek"), at("c.rek"), 4));
  EXPECT_EQ(read_file(dir / "c.rek"), (Bytes{0x86, 0x00, 0xA4, 0x41, 0x86}));
}

TEST_F(RecordCopy, NewRecordsStartZeroedAndOldShortRecordsGetAZeroTail) {
  write_file(dir / "a.rek", numbered_records());
  ScriptedRun r;
  EXPECT_TRUE(convert_records(r.run().copier, at("a.rek"), at("b.rek"), 300, 320, copy_behind_marker));

  // Every new record reached the converter zeroed, whatever the one before held.
  ASSERT_EQ(seen.size(), 4u);
  for (const auto& fresh : seen) EXPECT_EQ(fresh, Bytes(320, 0));
  // Records 1, 3 and the short 4 are written whole (320 bytes); 2 is dropped.
  const Bytes out = read_file(dir / "b.rek");
  ASSERT_EQ(out.size(), 3u * 320);
  for (int i = 0; i < 3; ++i) {
    const std::uint8_t n = i == 0 ? 1 : i == 1 ? 3 : 4;
    Bytes expected(320, 0);
    expected[n] = 0xCC;
    const std::size_t old_bytes = n == 4 ? 100 : 300;
    std::fill(expected.begin() + 10, expected.begin() + static_cast<long>(old_bytes), n);
    EXPECT_EQ(Bytes(out.begin() + i * 320, out.begin() + (i + 1) * 320), expected) << i;
  }
  EXPECT_EQ(r.row(1), "Kopiuje " + at("a.rek") + "  3 pozycji ...");
  EXPECT_TRUE(row_coloured(r, 1, 0x09, 1, 8));
}

TEST_F(RecordCopy, DroppingEveryRecordLeavesAnEmptyTarget) {
  write_file(dir / "a.rek", Bytes(600, 1));
  ScriptedRun r;
  EXPECT_TRUE(copy_records(r.run().copier, at("a.rek"), at("b.rek"), 300, drop_all));
  EXPECT_TRUE(convert_records(r.run().copier, at("a.rek"), at("c.rek"), 300, 300, drop_all_new));
  EXPECT_TRUE(convert_records(r.run().copier, at("a.rek"), at("d.rek"), 300, 300, nullptr));
  EXPECT_TRUE(file_exists(dir / "b.rek"));
  EXPECT_EQ(read_file(dir / "b.rek"), Bytes{});
  EXPECT_EQ(read_file(dir / "c.rek"), Bytes{});
  EXPECT_EQ(read_file(dir / "d.rek"), Bytes{});

  // Appending nothing leaves the target as it was.
  write_file(dir / "e.rek", Bytes(300, 9));
  EXPECT_TRUE(
      convert_records(r.run().copier, at("a.rek"), at("e.rek"), 300, 300, drop_all_new, Existing::kAppend));
  EXPECT_EQ(read_file(dir / "e.rek"), Bytes(300, 9));
}

TEST_F(RecordCopy, AppendModeKeepsTheOldRecordsInFrontAndAsksNothing) {
  write_file(dir / "a.rek", numbered_records());
  write_file(dir / "c.rek", Bytes(320, 9));
  ScriptedRun r;  // no key for a question
  EXPECT_TRUE(convert_records(r.run().copier, at("a.rek"), at("c.rek"), 300, 320, copy_behind_marker,
                              Existing::kAppend));
  const Bytes c = read_file(dir / "c.rek");
  ASSERT_EQ(c.size(), 4u * 320);
  EXPECT_EQ(Bytes(c.begin(), c.begin() + 320), Bytes(320, 9));
  EXPECT_EQ(c[320 + 1], 0xCC);  // the first new record behind the old one
}

TEST_F(RecordCopy, MissingOrEmptySourceIsAnnouncedInYellow) {
  write_file(dir / "empty.rek", "");
  write_file(dir / "kept.rek", "old");
  ScriptedRun r;
  EXPECT_TRUE(copy_records(r.run().copier, at("missing.rek"), at("t1.rek"), 300));
  EXPECT_TRUE(convert_records(r.run().copier, at("empty.rek"), at("kept.rek"), 300, 300, drop_all_new));
  EXPECT_EQ(r.row(1), "Brak pliku źródłowego " + at("missing.rek"));
  EXPECT_EQ(r.row(2), "Brak pliku źródłowego " + at("empty.rek"));
  EXPECT_TRUE(row_coloured(r, 1, 0x0E, 1, 22));
  EXPECT_TRUE(row_coloured(r, 2, 0x0E, 1, 22));
  EXPECT_EQ(r.run().out.attr(), 0x07);
  EXPECT_FALSE(file_exists(dir / "t1.rek"));
  EXPECT_EQ(read_file(dir / "kept.rek"), as_bytes("old"));
}

TEST_F(RecordCopy, TargetThatCannotBeCreatedIsReportedAndTheRunGoesOn) {
  write_file(dir / "a.rek", Bytes(300, 1));
  ScriptedRun r("x\nx\n");
  EXPECT_FALSE(copy_records(r.run().copier, at("a.rek"), at("nie_ma/a.rek"), 300));
  EXPECT_EQ(r.console().screens_shown(), 1);
  EXPECT_FALSE(convert_records(r.run().copier, at("a.rek"), at("nie_ma/a.rek"), 300, 300, drop_all_new));
  EXPECT_EQ(r.console().screens_shown(), 2);
  EXPECT_EQ(r.row(1), "Błąd Utworzenia pliku " + at("nie_ma/a.rek"));
  EXPECT_EQ(r.row(2), "Błąd Utworzenia pliku " + at("nie_ma/a.rek"));
  EXPECT_TRUE(row_coloured(r, 2, 0x0C, 1, 22));
  EXPECT_TRUE(copy_records(r.run().copier, at("a.rek"), at("b.rek"), 300));
  EXPECT_EQ(read_file(dir / "b.rek"), Bytes(300, 1));
}

TEST_F(RecordCopy, UnreadableSourceIsReportedWithAKeyWait) {
  write_file(dir / "a.rek", Bytes(300, 1));
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  std::filesystem::permissions(dir / "a.rek", std::filesystem::perms::none);
  ScriptedRun r("x\nx\n");
  bool same = true, two = true;
  {
    UnprivilegedUser user(dir / "a.rek");
    if (!user.active()) GTEST_SKIP() << UnprivilegedUser::why_inactive();
    same = copy_records(r.run().copier, at("a.rek"), at("b.rek"), 300);
    two = convert_records(r.run().copier, at("a.rek"), at("c.rek"), 300, 300, drop_all_new);
  }
  EXPECT_FALSE(same);
  EXPECT_FALSE(two);
  EXPECT_EQ(r.console().screens_shown(), 2);
  EXPECT_EQ(r.row(1), "Błąd otwarcia pliku " + at("a.rek"));
  EXPECT_EQ(r.row(2), "Błąd otwarcia pliku " + at("a.rek"));
  EXPECT_TRUE(row_coloured(r, 1, 0x0C, 1, 20));
  EXPECT_FALSE(file_exists(dir / "b.rek"));
  EXPECT_FALSE(file_exists(dir / "c.rek"));
}

}  // namespace
}  // namespace vx::test
