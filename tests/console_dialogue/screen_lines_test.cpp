#include "console_dialogue/screen_lines.hpp"

#include <gtest/gtest.h>

#include "dialogue/operator.hpp"
#include "transfer/file_presence.hpp"

#include "charset/cp852.hpp"
#include "console_dialogue/console_operator.hpp"
#include "platform/filesystem.hpp"
#include "support/fixture.hpp"
#include "support/queue_console.hpp"
#include "support/scripted_run.hpp"

namespace vx::console_dialogue {
namespace {

using test::ScriptedRun;
using transfer::directory_exists;
using transfer::file_size_of;

bool ask_yes_no(ScriptedRun& s, std::string_view question) {
  return s.run().op.yes_no(dialogue::Question::kHideUnsettledDocuments, question);
}

TEST(PrintLine, FullScreenRestartsOnAClearedScreenAfter23Lines) {
  ScriptedRun s;
  for (int i = 1; i <= 25; ++i) print_line(s.run().out, "line " + std::to_string(i));
  EXPECT_EQ(s.row(1), "line 24");
  EXPECT_EQ(s.row(2), "line 25");
  EXPECT_EQ(s.row(3), "");  // cleared, not scrolled
  EXPECT_EQ(s.run().out.y(), 3);
}

TEST(PrintLine, LastScreenColumnStaysEmptyAndNothingWraps) {
  ScriptedRun s;
  print_line(s.run().out, std::string(100, 'x'));
  EXPECT_EQ(s.row(1), std::string(79, 'x'));
  EXPECT_EQ(s.row(2), "");
}

TEST(PrintLine, CopyWindowHoldsSixteenLinesWithinItsColumns) {
  ScriptedRun s;
  s.run().out.set_window(ui::kCopyWindow);
  for (int i = 1; i <= 16; ++i) print_line(s.run().out, std::string(90, static_cast<char>('a' + i - 1)));
  EXPECT_EQ(s.row(3), "  " + std::string(75, 'a'));  // columns 3..77
  EXPECT_EQ(s.row(18), "  " + std::string(75, 'p'));
  print_line(s.run().out, "q");
  EXPECT_EQ(s.row(3), "  q");
  EXPECT_EQ(s.row(4), "");
  EXPECT_EQ(s.row(1), "");  // nothing outside the window
}

TEST(WriteClipped, CutsToTheRoomLeftOnTheLineAndStaysOnIt) {
  ScriptedRun s;
  write_clipped(s.run().out, std::string(70, 'a'));
  write_clipped(s.run().out, std::string(20, 'b'));  // 9 columns left before the last one
  EXPECT_EQ(s.row(1), std::string(70, 'a') + std::string(9, 'b'));
  EXPECT_EQ(s.row(2), "");
  EXPECT_EQ(s.run().out.y(), 1);  // no line end

  s.run().out.set_window(ui::kCopyWindow);
  s.run().out.go_to(70, 2);
  write_clipped(s.run().out, "0123456789");  // columns 72..77 of the screen
  EXPECT_EQ(s.row(4), std::string(71, ' ') + "012345");
  EXPECT_EQ(s.console().get(78, 4).ch, ' ');
  EXPECT_EQ(s.row(5), "");
}

TEST(PrintLine, ColoursAreThoseSet) {
  ScriptedRun s;
  set_colour(s.run().out, kError);
  print_line(s.run().out, "x");
  EXPECT_EQ(s.console().get(1, 1).attr, 0x0C);
}

TEST(PrintLine, WindowsKeepTheirCursor) {
  ScriptedRun r;
  print_line(r.run().out, "a");
  print_line(r.run().out, "b");
  const auto saved = r.run().out.save();
  r.run().out.set_window(ui::kPlanWindow);
  EXPECT_EQ(r.run().out.x(), 1);
  EXPECT_EQ(r.run().out.y(), 1);
  print_line(r.run().out, "plan");
  EXPECT_EQ(r.row(6), "  plan");
  r.run().out.restore(saved);
  print_line(r.run().out, "c");
  EXPECT_EQ(r.row(3), "c");
}

TEST(AskYesNo, QuestionOnTheLastLineStartsAClearedWindowWithItsAnswers) {
  for (const int filled : {21, 22, 23}) {
    ScriptedRun s("t\n");
    for (int i = 1; i <= filled; ++i) print_line(s.run().out, "linia " + std::to_string(i));
    EXPECT_TRUE(ask_yes_no(s, "Pytanie ?"));
    // The screen the operator answered on.
    const std::string shown = s.output().substr(s.output().rfind("--- screen"));
    if (filled == 21) {  // rows 22 and 23 still take the question and " T - tak"
      EXPECT_NE(shown.find("linia 21\nPytanie ?\n T - tak\n N - nie ?   T / N\n"), std::string::npos);
    } else {
      EXPECT_NE(shown.find("---\nPytanie ?\n T - tak\n N - nie ?   T / N\n\n"), std::string::npos)
          << filled << shown;
      EXPECT_EQ(shown.find("linia"), std::string::npos) << filled;
    }
  }
}

TEST(AskYesNo, IgnoresOtherKeysAndTakesEitherCase) {
  ScriptedRun yes("Enter\nEsc\nx\nt\n");
  EXPECT_TRUE(ask_yes_no(yes, "Pytanie ?"));
  EXPECT_EQ(yes.console().screens_shown(), 4);
  EXPECT_EQ(yes.row(1), "Pytanie ?");
  EXPECT_EQ(yes.row(2), " T - tak");
  EXPECT_EQ(yes.row(3), " N - nie ?   T / N");
  EXPECT_EQ(yes.console().get(1, 1).attr & 0x0F, kError);
  EXPECT_EQ(yes.console().get(2, 2).attr & 0x0F, kOffered);
  EXPECT_EQ(yes.console().get(14, 3).attr & 0x0F, kKeyHint);
  EXPECT_EQ(yes.run().out.y(), 4);  // the answer line ended

  ScriptedRun no("Enter\nn\n");
  EXPECT_FALSE(ask_yes_no(no, "Pytanie ?"));
  EXPECT_EQ(no.console().screens_shown(), 2);
  ScriptedRun capital("T\n");
  EXPECT_TRUE(ask_yes_no(capital, "Pytanie ?"));
}

TEST(ReadKey, ForgetsTypeAhead) {
  test::QueueConsole console({{0x1474, 0}, {0x3165, 0}, {0x1C0D, 0}});
  EXPECT_EQ(read_key(console), 't');
  EXPECT_EQ(console.keys_left(), 0u);
}

TEST(ReadKey, FilesChangedWhileTheKeyWaitedAreSeen) {
  test::TempDir dir;
  const platform::ListingScope listings;
  EXPECT_FALSE(file_size_of(dir.str() + "/dane.rek"));
  test::write_file(dir / "DANE.REK", std::string(5, 'x'));
  ScriptedRun s("Enter\n");
  read_key(s.console());
  EXPECT_EQ(file_size_of(dir.str() + "/dane.rek"), 5u);
}

TEST(ReadKey, SpecialKeysGiveZero) {
  ScriptedRun s("F5\n");
  EXPECT_EQ(read_key(s.console()), 0);
}

TEST(PauseIfSlow, WaitsOnlyWhenAsked) {
  test::QueueConsole console({});
  ui::Ui ui(console);
  ui::TextOutput out(console);
  std::uint8_t show_slowly = 0;
  ConsoleOperator op(ui, out, show_slowly);
  op.pause_if_slow();
  EXPECT_EQ(console.slept_ms, 0);
  show_slowly = 1;
  op.pause_if_slow();
  EXPECT_EQ(console.slept_ms, 1500);
}

TEST(FileSizeOf, MissingEmptyAndDirectoriesGiveZero) {
  test::TempDir dir;
  test::write_file(dir / "a.rek", std::string(300, 'x'));
  test::write_file(dir / "empty.rek", std::string());
  std::filesystem::create_directories(dir / "sub");
  EXPECT_EQ(file_size_of((dir / "a.rek").string()), 300u);
  EXPECT_EQ(file_size_of((dir / "A.REK").string()), 300u);
  EXPECT_EQ(file_size_of((dir / "empty.rek").string()), 0u);
  EXPECT_EQ(file_size_of((dir / "none").string()), 0u);
  EXPECT_EQ(file_size_of((dir / "sub").string()), 0u);
  // A file nobody may read still has its size.
  test::write_file(dir / "ro.rek", std::string(7, 'r'));
  std::filesystem::permissions(dir / "ro.rek", std::filesystem::perms::none);
  EXPECT_EQ(file_size_of((dir / "ro.rek").string()), 7u);
  EXPECT_TRUE(directory_exists((dir / "SUB").string()));
  EXPECT_FALSE(directory_exists((dir / "a.rek").string()));
}

}  // namespace
}  // namespace vx::console_dialogue
