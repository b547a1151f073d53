#include "transfer/byte_copy.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fixture.hpp"
#include "support/unprivileged_user.hpp"
#include "transfer/copy_test_support.hpp"

namespace vx::test {
namespace {

using transfer::copy_bytes;

TEST(ByteCopy, CopiesEveryBlockAndConvertsOnlyWhenAsked) {
  TempDir d;
  // 5000 bytes: two whole 2048-byte blocks and a part; Mazovia ą at both
  // ends and across a block edge, zero bytes in between.
  Bytes data(5000, 0);
  data[0] = 0x86;
  data[2047] = 0x86;
  data[2048] = 0xA4;
  data[4999] = 0x86;
  data[100] = 'A';
  write_file(d / "a.bin", data);
  ScriptedRun r;
  r.run().cs = {1, charset::kMazovia, charset::kCp852};
  EXPECT_TRUE(copy_bytes(r.run().copier, path_of(d / "a.bin"), path_of(d / "converted.bin"), true));
  EXPECT_TRUE(copy_bytes(r.run().copier, path_of(d / "a.bin"), path_of(d / "plain.bin"), false));

  Bytes converted = data;
  converted[0] = converted[2047] = converted[4999] = 0xA5;
  converted[2048] = 0xE4;
  EXPECT_EQ(read_file(d / "converted.bin"), converted);
  EXPECT_EQ(read_file(d / "plain.bin"), data);

  EXPECT_EQ(r.row(1), "Kopiuję " + path_of(d / "a.bin") + "  5000 bytów...");
  EXPECT_TRUE(row_coloured(r, 1, 0x09, 1, 10));
  EXPECT_EQ(r.row(3), "");
  EXPECT_EQ(r.run().out.attr(), 0x07);
}

TEST(ByteCopy, KeepingTheStandardLeavesMazoviaLetters) {
  TempDir d;
  write_file(d / "a.txt", mazovia("zażółć"));
  ScriptedRun r;
  r.run().cs = {0, charset::kMazovia, charset::kCp852};
  EXPECT_TRUE(copy_bytes(r.run().copier, path_of(d / "a.txt"), path_of(d / "b.txt"), true));
  EXPECT_EQ(read_file(d / "b.txt"), as_bytes(mazovia("zażółć")));
}

TEST(ByteCopy, EmptyOrMissingSourceIsSilentAndCreatesNothing) {
  TempDir d;
  write_file(d / "empty.bin", "");
  std::filesystem::create_directory(d / "dir.bin");
  ScriptedRun r;
  EXPECT_TRUE(copy_bytes(r.run().copier, path_of(d / "empty.bin"), path_of(d / "t1"), false));
  EXPECT_TRUE(copy_bytes(r.run().copier, path_of(d / "missing.bin"), path_of(d / "t2"), false));
  // A directory where the file should be is no file at all.
  EXPECT_TRUE(copy_bytes(r.run().copier, path_of(d / "dir.bin"), path_of(d / "t3"), false));
  EXPECT_FALSE(file_exists(d / "t1"));
  EXPECT_FALSE(file_exists(d / "t2"));
  EXPECT_FALSE(file_exists(d / "t3"));
  EXPECT_EQ(r.row(1), "");
}

TEST(ByteCopy, TargetThatCannotBeCreatedIsReportedAndTheRunGoesOn) {
  TempDir d;
  write_file(d / "a.bin", "abc");
  std::filesystem::create_directory(d / "taken");
  ScriptedRun r("x\nEnter\n");
  EXPECT_FALSE(copy_bytes(r.run().copier, path_of(d / "a.bin"), path_of(d / "nie_ma" / "a.bin"), false));
  EXPECT_EQ(r.console().screens_shown(), 1);
  // A directory in the target's place cannot be created over either.
  EXPECT_FALSE(copy_bytes(r.run().copier, path_of(d / "a.bin"), path_of(d / "taken"), false));
  EXPECT_EQ(r.console().screens_shown(), 2);
  EXPECT_EQ(r.row(1), "Błąd Utworzenia pliku " + path_of(d / "nie_ma" / "a.bin"));
  EXPECT_EQ(r.row(2), "Błąd Utworzenia pliku " + path_of(d / "taken"));
  EXPECT_TRUE(row_coloured(r, 1, 0x0C, 1, 22));
  EXPECT_EQ(r.run().out.attr(), 0x07);
  EXPECT_TRUE(copy_bytes(r.run().copier, path_of(d / "a.bin"), path_of(d / "b.bin"), false));
  EXPECT_EQ(read_file(d / "b.bin"), as_bytes("abc"));
}

TEST(ByteCopy, UnreadableSourceIsReportedWithAKeyWait) {
  TempDir d;
  write_file(d / "a.bin", "abc");
  std::filesystem::permissions(d.path(), std::filesystem::perms::all);
  std::filesystem::permissions(d / "a.bin", std::filesystem::perms::none);
  ScriptedRun r("x\n");
  bool result = true;
  {
    UnprivilegedUser user(d / "a.bin");
    if (!user.active()) GTEST_SKIP() << UnprivilegedUser::why_inactive();
    result = copy_bytes(r.run().copier, path_of(d / "a.bin"), path_of(d / "b.bin"), false);
  }
  EXPECT_FALSE(result);
  EXPECT_EQ(r.console().screens_shown(), 1);
  EXPECT_EQ(r.row(1), "Błąd otwarcia pliku " + path_of(d / "a.bin"));
  EXPECT_TRUE(row_coloured(r, 1, 0x0C, 1, 20));
  EXPECT_FALSE(file_exists(d / "b.bin"));
}

}  // namespace
}  // namespace vx::test
