#include "ui/message_box.hpp"

#include <gtest/gtest.h>

#include "charset/cp852.hpp"
#include "screen_capture.hpp"
#include "ui/event_source.hpp"

namespace vx::ui {
namespace {

using test::keys;
using test::ScreenCapture;
using test::ScriptedUi;

// The standard box: columns 20-59, rows 8-17; inside from column 21, row 9.
constexpr int kTop = 8;
constexpr int kButtonRow = kTop + 7;  // row height - 3 of the inside

TEST(MessageBox, TitleBeforeBelAndLinesAfterIt) {
  ScriptedUi sr(keys({"Esc"}));
  ScreenCapture capture(sr);
  EXPECT_EQ(standard_message_box(sr.ui(), cp852("Tytuł\aPierwsza linia\r\x03środek\rkoniec"), 0x300),
            CMD_CANCEL);
  const auto& s = capture.before_event(1);
  // Five characters centred in 40 columns from column 20: 20 + 35 div 2.
  EXPECT_EQ(s.text(kTop, 36, 43), "═Tytuł══");
  EXPECT_EQ(s.text(kTop + 1, 21, 35), "Pierwsza linia ");
  // "środek" centred in the 38 inside columns: (38 - 6) / 2 + 1 = 17.
  EXPECT_EQ(s.text(kTop + 2, 21, 43), std::string(16, ' ') + "środek ");
  EXPECT_EQ(s.text(kTop + 3, 21, 27), "koniec ");
  EXPECT_EQ(s.at(21, kTop + 1).attr, 0x02);
}

TEST(MessageBox, DefaultTitlesOfTheKinds) {
  const std::pair<std::uint16_t, const char*> kinds[] = {
      {0x300, "═ UWAGA ═"}, {0x301, "═ Błąd ═"}, {0x302, "═ Informacja ═"}, {0x303, "═ Potwierdź ═"}};
  for (const auto& [flags, title] : kinds) {
    ScriptedUi sr(keys({"Esc"}));
    ScreenCapture capture(sr);
    standard_message_box(sr.ui(), "tekst", flags);
    EXPECT_NE(capture.before_event(1).row(kTop).find(title), std::string::npos) << flags;
  }
}

TEST(MessageBox, WithoutButtonsOnlyEscAndMouseButtonsClose) {
  {
    ScriptedUi sr(keys({"Enter", "x", "Tab", "Space", "click right 30 12"}));
    EXPECT_EQ(standard_message_box(sr.ui(), "tekst", 0), CMD_CANCEL);
    EXPECT_EQ(sr.console().screens_shown(), 5);
  }
  {
    ScriptedUi sr(keys({"t", "click middle 30 12"}));
    EXPECT_EQ(standard_message_box(sr.ui(), "tekst", 0), CMD_OK);
  }
  {
    ScriptedUi sr(keys({"Esc"}));
    EXPECT_EQ(standard_message_box(sr.ui(), "tekst", 0), CMD_CANCEL);
  }
}

TEST(MessageBox, ErrorReportCentresOneButtonInErrorColours) {
  ScriptedUi sr(keys({"Enter"}));
  ScreenCapture capture(sr);
  auto& ui = sr.ui();
  update_clock(ui);
  const auto before = test::snapshot_of(ui.console);
  error_report(ui, "Brak pliku");
  const auto& s = capture.before_event(1);
  // Gap (40 - 9) div 2 = 15 counted from the inside's first column (21):
  // the face at 35-42 with "OK" at 38, the shadow at 43 and under it.
  EXPECT_EQ(s.text(kButtonRow, 34, 44), "    OK   ▄ ");
  EXPECT_EQ(s.text(kButtonRow + 1, 35, 44), " ▀▀▀▀▀▀▀▀ ");
  EXPECT_EQ(s.at(20, kTop).attr, 0x4F);
  EXPECT_EQ(s.at(30, kTop + 3).attr, 0x4F);
  EXPECT_EQ(s.text(kTop, 36, 43), "═ Błąd ═");
  EXPECT_EQ(s.row(25), "?│");
  EXPECT_EQ(ui.toolkit.colours, kDefaultColours);
  EXPECT_EQ(test::snapshot_of(ui.console).cells, before.cells);
}

TEST(MessageBox, TwoButtonsAndTheirHotLetters) {
  // Gap (40 - 18) div 3 = 7: faces at 27 and 43, titles at 29 and 45.
  ScriptedUi sr(keys({"Esc"}));
  ScreenCapture capture(sr);
  standard_message_box(sr.ui(), "Ponowić próbę ?", 0x300);
  EXPECT_EQ(capture.before_event(1).text(kButtonRow, 27, 52),
            "  Tak   ▄" + std::string(9, ' ') + "Nie   ▄ ");

  const std::pair<const char*, std::uint16_t> answers[] = {
      {"T", CMD_YES}, {"n", CMD_NO}, {"Enter", CMD_YES}, {"Space", CMD_YES}};
  for (const auto& [key, command] : answers) {
    ScriptedUi one(keys({key}));
    EXPECT_EQ(standard_message_box(one.ui(), "?", 0x300), command) << key;
  }
  ScriptedUi moved(keys({"Tab", "Enter"}));
  EXPECT_EQ(standard_message_box(moved.ui(), "?", 0x300), CMD_NO);
  ScriptedUi four(keys({"o", "p"}));
  EXPECT_EQ(message_box(four.ui(), 2, 2, 60, 10, "?", 0xF00), CMD_OK);
  EXPECT_EQ(message_box(four.ui(), 2, 2, 60, 10, "?", 0xF00), CMD_CANCEL);
}

TEST(MessageBox, ColoursComeBackOnEveryPath) {
  {
    // A box that cannot be opened reads nothing.
    ScriptedUi sr;
    EXPECT_EQ(message_box(sr.ui(), 60, 8, 40, 10, "za szeroki", kErrorReport), CMD_CANCEL);
    EXPECT_EQ(sr.ui().toolkit.colours, kDefaultColours);
    EXPECT_EQ(sr.console().screens_shown(), 0);
  }
  {
    // The run is stopped while the box waits.
    ScriptedUi sr;
    EXPECT_THROW(error_report(sr.ui(), "x"), platform::ScriptStop);
    EXPECT_EQ(sr.ui().toolkit.colours, kDefaultColours);
    EXPECT_EQ(sr.ui().toolkit.status_bar, nullptr);
  }
}

}  // namespace
}  // namespace vx::ui
