#include "transfer/overwrite_question.hpp"

#include <gtest/gtest.h>

#include "support/engine_run.hpp"
#include "support/fixture.hpp"
#include "transfer/byte_copy.hpp"
#include "transfer/copy_test_support.hpp"
#include "transfer/record_copy.hpp"
#include "transfer/text_copy.hpp"
#include "transfer/transfer_state.hpp"

namespace vx::test {
namespace {

using transfer::convert_records;
using transfer::copy_bytes;
using transfer::copy_records;
using transfer::copy_text_file;

bool copy_whole(ConstRecordView old_record, RecordView new_record) {
  new_record.copy_from(old_record, 0, new_record.size());
  return true;
}

// A 2017 side and a 2018 side whose files all exist already.
struct TwoTrees {
  TempDir dir;
  std::string source(std::string_view name) const { return path_of(dir / "17" / name); }
  std::string target(std::string_view name) const { return path_of(dir / "18" / name); }
  void both(std::string_view name, std::string_view old_bytes, std::string_view new_bytes) {
    write_file(dir / "17" / name, old_bytes);
    write_file(dir / "18" / name, new_bytes);
  }
  std::string target_bytes(std::string_view name) const {
    const auto b = read_file(dir / "18" / name);
    return std::string(b.begin(), b.end());
  }
};

TEST(OverwriteQuestion, ShowsTheQuestionInItsColours) {
  ScriptedRun r("w\n");
  EXPECT_FALSE(transfer::keep_existing(r.run().copier, "C:/DANE/FIRMA/A.REK"));
  EXPECT_EQ(r.row(1), "Stwierdzono obecność pliku C:/DANE/FIRMA/A.REK");
  EXPECT_EQ(r.row(2), " W-wykonaj kopiownie (zastępując) [A-i wszystkie następne]");
  EXPECT_EQ(r.row(3), " Z-zostaw plik                    [N-i wszystkie następne] ?   Z(n)/W(a)");
  EXPECT_EQ(r.row(4), "");
  EXPECT_TRUE(row_coloured(r, 1, 0x0C, 1, 46));
  EXPECT_TRUE(row_coloured(r, 2, 0x0E, 1, 61));  // trailing blanks included
  EXPECT_TRUE(row_coloured(r, 3, 0x0E, 1, 61));
  EXPECT_TRUE(row_coloured(r, 3, 0x0F, 62, 74));
  EXPECT_EQ(r.run().out.attr(), 0x07);
  // The cursor waits at the start of the next line.
  EXPECT_EQ(r.run().out.y(), 4);
  EXPECT_EQ(r.run().out.x(), 1);
}

TEST(OverwriteQuestion, OnlyTheFourAnswerKeysCount) {
  // Enter, Esc, a digit, a Polish letter and T are ignored; z in lower case keeps.
  ScriptedRun r("Enter\nEsc\n5\nż\nt\nz\n");
  EXPECT_TRUE(transfer::keep_existing(r.run().copier, "X"));
  EXPECT_EQ(r.console().screens_shown(), 6);
  EXPECT_EQ(r.run().transfer.overwrite_policy, transfer::kAskEachFile);
}

// The four copy kinds, each before an existing 2018 file, answered by a
// written-down operator: W and Z decide one file, A and N every later one.
TEST(OverwriteQuestion, EachAnswerDecidesItsFileAndAOrNEveryLaterOne) {
  struct Case {
    const char* answers;
    const char* outcomes;  // per file: C copied, K kept
  };
  const Case cases[] = {
      {"WZZW", "CKKC"}, {"A", "CCCC"}, {"N", "KKKK"}, {"ZA", "KCCC"}, {"WN", "CKKK"},
  };
  const char* const names[] = {"a.txt", "b.rek", "c.rek", "d.ini"};
  const char* const fresh[] = {"new\r\n", "BBBB", "CCCC", "nowy\r\n"};
  const char* const old[] = {"old 2018\r\n", "bbbbbbbb", "cccccccc", "stary\r\n"};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answers);
    TwoTrees t;
    t.both("a.txt", "new\r\n", old[0]);
    t.both("b.rek", "BBBB", old[1]);
    t.both("c.rek", "CCCC", old[2]);
    t.both("d.ini", "nowy\n", old[3]);
    EngineRun e(c.answers);
    copy_bytes(e.copier, t.source("a.txt"), t.target("a.txt"), false);
    copy_records(e.copier, t.source("b.rek"), t.target("b.rek"), 2);
    convert_records(e.copier, t.source("c.rek"), t.target("c.rek"), 2, 2, copy_whole);
    copy_text_file(e.copier, t.source("d.ini"), t.target("d.ini"));

    EXPECT_EQ(e.op.asked.size(), std::string_view(c.answers).size());
    ASSERT_EQ(e.seen.steps().size(), 4u);
    for (std::size_t f = 0; f < 4; ++f) {
      const bool copied = c.outcomes[f] == 'C';
      EXPECT_EQ(e.seen.steps()[f].outcome, copied ? dialogue::Outcome::kCopied : dialogue::Outcome::kKept)
          << names[f];
      EXPECT_EQ(e.seen.steps()[f].target, t.target(names[f]));
      EXPECT_EQ(t.target_bytes(names[f]), copied ? fresh[f] : old[f]) << names[f];
    }
  }
}

TEST(OverwriteQuestion, AnEmptyTargetIsReplacedUnasked) {
  TwoTrees t;
  t.both("a.txt", "abc", "");
  t.both("b.rek", "BBBB", "");
  t.both("c.ini", "x\n", "");
  ScriptedRun r;
  EXPECT_TRUE(copy_bytes(r.run().copier, t.source("a.txt"), t.target("a.txt"), false));
  EXPECT_TRUE(copy_records(r.run().copier, t.source("b.rek"), t.target("b.rek"), 2));
  copy_text_file(r.run().copier, t.source("c.ini"), t.target("c.ini"));
  EXPECT_EQ(t.target_bytes("a.txt"), "abc");
  EXPECT_EQ(t.target_bytes("b.rek"), "BBBB");
  EXPECT_EQ(t.target_bytes("c.ini"), "x\r\n");
}

}  // namespace
}  // namespace vx::test
