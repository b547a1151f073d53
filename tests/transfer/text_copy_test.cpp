#include "transfer/text_copy.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fixture.hpp"
#include "support/unprivileged_user.hpp"
#include "transfer/copy_test_support.hpp"

namespace vx::test {
namespace {

using transfer::copy_text_file;

std::string text_of(const std::filesystem::path& p) {
  const auto b = read_file(p);
  return std::string(b.begin(), b.end());
}

void convert_mazovia(Session& run) { run.cs = {1, charset::kMazovia, charset::kCp852}; }

TEST(TextCopy, LinesEndWithCrLfAndLongLinesAreCarriedWhole) {
  TempDir d;
  // One line just past 255 characters, one across several reads of the file.
  const std::string long_line = std::string(255, 'x') + std::string(45, 'y');
  const std::string longer_line = "WEX=" + std::string(20000, 'z') + "!";
  // LF, CR LF and CR end lines; the last line has no end at all.
  write_file(d / "a.ini", "[PATH]\n" + long_line + "\r\nzwykla\r" + longer_line + "\rlinia\n\nkoniec");
  ScriptedRun r;
  copy_text_file(r.run().copier, path_of(d / "a.ini"), path_of(d / "b.ini"));
  EXPECT_EQ(text_of(d / "b.ini"), "[PATH]\r\n" + long_line + "\r\nzwykla\r\n" + longer_line +
                                      "\r\nlinia\r\n\r\nkoniec\r\n");
  EXPECT_EQ(r.row(1), "Kopiuję plik " + path_of(d / "a.ini"));
  EXPECT_TRUE(row_coloured(r, 1, 0x09, 1, 13));
  EXPECT_EQ(r.row(2), "");
  EXPECT_EQ(r.run().out.attr(), 0x07);
}

TEST(TextCopy, PolishLettersFollowTheCharsetChoice) {
  TempDir d;
  write_file(d / "a.txt", mazovia("Zażółć gęślą jaźń\r\nŁÓDŹ\r\n"));
  {
    ScriptedRun r;
    convert_mazovia(r.run());
    copy_text_file(r.run().copier, path_of(d / "a.txt"), path_of(d / "852.txt"));
  }
  EXPECT_EQ(text_of(d / "852.txt"), cp852_bytes("Zażółć gęślą jaźń\r\nŁÓDŹ\r\n"));
  {
    ScriptedRun r;
    r.run().cs = {0, charset::kMazovia, charset::kCp852};  // keep the standard
    copy_text_file(r.run().copier, path_of(d / "a.txt"), path_of(d / "kept.txt"));
  }
  EXPECT_EQ(text_of(d / "kept.txt"), mazovia("Zażółć gęślą jaźń\r\nŁÓDŹ\r\n"));
}

bool drop_comments_and_mark(std::string& line) {
  if (line.starts_with(";")) return false;
  line += cp852_bytes("|ą");
  return true;
}

TEST(TextCopy, TheFilterSeesConvertedLinesAndMayChangeOrDropThem) {
  TempDir d;
  // The long line reaches the filter whole, its last letter converted too.
  const std::string long_value(400, 'x');
  write_file(d / "a.ini", mazovia(";uwaga\nklucz=ąę\ndlugi=" + long_value + "ż\n;koniec\n"));
  ScriptedRun r;
  convert_mazovia(r.run());
  copy_text_file(r.run().copier, path_of(d / "a.ini"), path_of(d / "b.ini"), drop_comments_and_mark);
  EXPECT_EQ(text_of(d / "b.ini"), cp852_bytes("klucz=ąę|ą\r\ndlugi=" + long_value + "ż|ą\r\n"));
}

TEST(TextCopy, EmptyOrMissingSourceCreatesNothingAndSaysNothing) {
  TempDir d;
  write_file(d / "empty.ini", "");
  write_file(d / "18" / "empty.ini", "stays");
  ScriptedRun r;
  copy_text_file(r.run().copier, path_of(d / "empty.ini"), path_of(d / "18" / "empty.ini"));
  copy_text_file(r.run().copier, path_of(d / "missing.ini"), path_of(d / "18" / "missing.ini"));
  EXPECT_EQ(text_of(d / "18" / "empty.ini"), "stays");
  EXPECT_FALSE(file_exists(d / "18" / "missing.ini"));
  EXPECT_EQ(r.row(1), "");
}

TEST(TextCopy, TargetThatCannotBeCreatedIsReportedAndTheRunGoesOn) {
  TempDir d;
  write_file(d / "a.ini", "a\n");
  ScriptedRun r("x\n");
  copy_text_file(r.run().copier, path_of(d / "a.ini"), path_of(d / "nie_ma" / "a.ini"));
  EXPECT_EQ(r.console().screens_shown(), 1);  // the key wait
  EXPECT_EQ(r.row(1), "Błąd utworzenia pliku " + path_of(d / "nie_ma" / "a.ini"));
  EXPECT_TRUE(row_coloured(r, 1, 0x0C, 1, 22));
  EXPECT_EQ(r.run().out.attr(), 0x07);
  copy_text_file(r.run().copier, path_of(d / "a.ini"), path_of(d / "b.ini"));
  EXPECT_EQ(text_of(d / "b.ini"), "a\r\n");
}

TEST(TextCopy, UnreadableSourceIsReportedWithAKeyWait) {
  TempDir d;
  write_file(d / "a.ini", "a\n");
  std::filesystem::permissions(d.path(), std::filesystem::perms::all);
  std::filesystem::permissions(d / "a.ini", std::filesystem::perms::none);
  ScriptedRun r("x\n");
  {
    UnprivilegedUser user(d / "a.ini");
    if (!user.active()) GTEST_SKIP() << UnprivilegedUser::why_inactive();
    copy_text_file(r.run().copier, path_of(d / "a.ini"), path_of(d / "b.ini"));
  }
  EXPECT_EQ(r.console().screens_shown(), 1);
  EXPECT_EQ(r.row(1), "Błąd otwarcia pliku " + path_of(d / "a.ini"));
  EXPECT_TRUE(row_coloured(r, 1, 0x0C, 1, 20));
  EXPECT_FALSE(file_exists(d / "b.ini"));
}

}  // namespace
}  // namespace vx::test
