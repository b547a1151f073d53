#include <gtest/gtest.h>

#include "charset/cp852.hpp"
#include "screen_capture.hpp"
#include "ui/event_source.hpp"
#include "ui/message_box.hpp"

namespace vx::ui {
namespace {

using test::keys;
using test::ScreenCapture;
using test::ScriptedUi;

const std::string kQuestion20 = "Nadpisac plik firmy?";

TEST(YesNoPrompt, MovesLeftToStayOnTheScreen) {
  ASSERT_EQ(kQuestion20.size(), 20u);
  ScriptedUi sr(keys({"Enter"}));
  ScreenCapture capture(sr);
  EXPECT_TRUE(yes_no_prompt(sr.ui(), 70, 5, kQuestion20, true));
  const auto& s = capture.before_event(1);
  // Column 77 - 20 = 57; the window is 24 wide: 57-80, rows 5-10.
  EXPECT_EQ(s.text(5, 57, 80), "┌" + [] {
    std::string line;
    for (int i = 0; i < 22; ++i) line += "─";
    return line;
  }() + "┐");
  EXPECT_EQ(s.text(6, 57, 80), "│ " + kQuestion20 + " │");
  EXPECT_EQ(s.text(7, 58, 79), [] {
    std::string line;
    for (int i = 0; i < 22; ++i) line += "─";
    return line;
  }());
  EXPECT_EQ(s.text(8, 58, 79), " T a k" + std::string(16, ' '));
  EXPECT_EQ(s.text(9, 58, 79), " N i e" + std::string(16, ' '));
  EXPECT_EQ(s.text(10, 57, 57), "└");
  EXPECT_EQ(s.at(59, 6).attr, 0x0F);
  // The current answer is lit, its hot letter in its own colour.
  EXPECT_EQ(s.at(61, 8).attr, 0x70);
  EXPECT_EQ(s.at(59, 8).attr, 0x74);
  EXPECT_EQ(s.at(61, 9).attr, 0x0F);
  EXPECT_EQ(s.at(59, 9).attr, 0x0E);
}

TEST(YesNoPrompt, NearTheBottomMovesUp) {
  ScriptedUi sr(keys({"Enter"}));
  ScreenCapture capture(sr);
  EXPECT_FALSE(yes_no_prompt(sr.ui(), 10, 22, "Dalej?\rna pewno?", false));
  const auto& s = capture.before_event(1);
  // Two lines: row 24 - 7 = 17; the window is rows 17-23, 9 + 4 wide.
  EXPECT_EQ(s.text(17, 10, 22), "┌───────────┐");
  EXPECT_EQ(s.text(18, 10, 22), "│ Dalej?    │");
  EXPECT_EQ(s.text(19, 10, 22), "│ na pewno? │");
  EXPECT_EQ(s.text(23, 10, 22), "└───────────┘");
}

TEST(YesNoPrompt, Answers) {
  struct Case {
    std::vector<std::string_view> keys;
    bool default_yes;
    bool answer;
  };
  // The window of "Kopiowac?" at 10, 5: columns 10-22, rows 5-10; "Tak" on
  // row 8, the status bar's "^T - tak│" in columns 1-9 of row 25.
  const Case cases[] = {
      {{"n"}, true, false},        {{"N"}, true, false},         {{"t"}, false, true},
      {{"T"}, false, true},        {{"Esc"}, true, false},       {{"Enter"}, true, true},
      {{"Enter"}, false, false},   {{"Up", "Enter"}, true, false},
      {{"Down", "Down", "Enter"}, true, true},                   {{"x", "Space", "n"}, true, false},
      {{"C-T"}, false, true},      {{"C-N"}, true, false},
      {{"click left 10 8"}, false, true},                        {{"click left 22 8"}, false, true},
      {{"click left 23 8"}, true, false},                        {{"click left 12 9"}, true, false},
      {{"click right 12 8"}, true, false},                       {{"click left 3 25"}, false, true},
      {{"click left 12 25"}, true, false},
  };
  for (const auto& c : cases) {
    std::string script;
    for (auto k : c.keys) script += std::string(k) + "\n";
    ScriptedUi sr(script);
    EXPECT_EQ(yes_no_prompt(sr.ui(), 10, 5, "Kopiowac?", c.default_yes), c.answer) << script;
  }
}

TEST(YesNoPrompt, StatusBarAndScreenAreGivenBack) {
  ScriptedUi sr(keys({"t"}));
  ScreenCapture capture(sr);
  auto& ui = sr.ui();
  update_clock(ui);
  const auto before = test::snapshot_of(ui.console);
  yes_no_prompt(ui, 10, 5, cp852("Rezygnujesz z konwersji danych na nowy rok ?"), false);
  EXPECT_EQ(capture.before_event(1).row(25), "^T - tak│^N - nie│");
  EXPECT_EQ(test::snapshot_of(ui.console).cells, before.cells);
  EXPECT_EQ(ui.toolkit.status_bar, nullptr);
}

}  // namespace
}  // namespace vx::ui
