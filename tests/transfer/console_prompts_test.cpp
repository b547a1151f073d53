#include "transfer/console_prompts.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/fixture.hpp"
#include "transfer/copy_test_support.hpp"

namespace vx::test {
namespace {

using transfer::print_line;

TEST(ProgressLines, FullScreenClearsAfterTwentyThreeLines) {
  ScriptedRun r;
  for (int i = 1; i <= 25; ++i) print_line(r.run(), "linia " + std::to_string(i));
  EXPECT_EQ(r.row(1), "linia 24");
  EXPECT_EQ(r.row(2), "linia 25");
  EXPECT_EQ(r.row(3), "");
  EXPECT_EQ(r.row(23), "");
  // The last column of the full screen stays empty.
  print_line(r.run(), std::string(100, 'x'));
  EXPECT_EQ(r.row(3), std::string(79, 'x'));
}

TEST(ProgressLines, CopyWindowCutsAtItsEdgeAndClearsAfterSixteenLines) {
  ScriptedRun r;
  for (int row = 1; row <= 25; ++row)
    for (int col = 1; col <= 80; ++col) r.console().put(col, row, {'#', 0x07});
  r.run().out.set_window(ui::kCopyWindow);
  r.run().out.clear();
  print_line(r.run(), std::string(100, 'x'));
  EXPECT_EQ(r.row(3), "##" + std::string(75, 'x') + "###");
  for (int i = 2; i <= 17; ++i) print_line(r.run(), "linia " + std::to_string(i));
  const std::string blank_window(75, ' ');
  // The 17th line opened a cleared window.
  EXPECT_EQ(r.row(3), "##linia 17" + blank_window.substr(8) + "###");
  EXPECT_EQ(r.row(4), "##" + blank_window + "###");
  EXPECT_EQ(r.row(2), std::string(80, '#'));
  EXPECT_EQ(r.row(21), std::string(80, '#'));
}

TEST(ProgressLines, WindowsKeepTheirCursor) {
  ScriptedRun r;
  print_line(r.run(), "a");
  print_line(r.run(), "b");
  const auto saved = r.run().out.save();
  r.run().out.set_window(ui::kPlanWindow);
  EXPECT_EQ(r.run().out.x(), 1);
  EXPECT_EQ(r.run().out.y(), 1);
  print_line(r.run(), "plan");
  EXPECT_EQ(r.row(6), "  plan");
  r.run().out.restore(saved);
  print_line(r.run(), "c");
  EXPECT_EQ(r.row(3), "c");
}

TEST(YesNoQuestion, TakesTOrNInEitherCaseAndIgnoresOtherKeys) {
  ScriptedRun r("Enter\nEsc\nw\nt\nN\n");
  EXPECT_TRUE(transfer::ask_yes_no(r.run(), "Czy dalej ?"));
  EXPECT_EQ(r.console().screens_shown(), 4);
  EXPECT_EQ(r.row(1), "Czy dalej ?");
  EXPECT_EQ(r.row(2), " T - tak");
  EXPECT_EQ(r.row(3), " N - nie ?   T / N");
  EXPECT_TRUE(row_coloured(r, 1, 0x0C, 1, 11));
  EXPECT_TRUE(row_coloured(r, 2, 0x0E, 1, 13));
  EXPECT_TRUE(row_coloured(r, 3, 0x0E, 1, 11));
  EXPECT_TRUE(row_coloured(r, 3, 0x0F, 12, 22));
  EXPECT_FALSE(transfer::ask_yes_no(r.run(), "Czy dalej ?"));
  EXPECT_EQ(r.run().out.attr(), 0x07);
}

TEST(FileSize, DirectoriesAndMissingFilesCountAsEmpty) {
  TempDir d;
  write_file(d / "a.rek", Bytes(1234, 1));
  std::filesystem::create_directory(d / "KAT");
  EXPECT_EQ(transfer::file_size_of(path_of(d / "a.rek")), 1234u);
  EXPECT_EQ(transfer::file_size_of(path_of(d / "A.REK")), 1234u);
  EXPECT_EQ(transfer::file_size_of(path_of(d / "KAT")), 0u);
  EXPECT_EQ(transfer::file_size_of(path_of(d / "b.rek")), 0u);
  EXPECT_TRUE(transfer::directory_exists(path_of(d / "kat")));
  EXPECT_FALSE(transfer::directory_exists(path_of(d / "a.rek")));
}

}  // namespace
}  // namespace vx::test
