#include "ui/screen.hpp"

#include <gtest/gtest.h>

#include "charset/cp852.hpp"
#include "screen_capture.hpp"
#include "platform/filesystem.hpp"
#include "platform/key_codes.hpp"
#include "support/fixture.hpp"
#include "ui/event_source.hpp"
#include "ui/status_bar.hpp"
#include "ui/toolkit.hpp"

namespace vx::ui {
namespace {

using test::ScriptedUi;
using test::snapshot_of;

std::string repeat(std::string_view s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(Window, DrawsFrameAndCentredTitleAndGivesTheScreenBack) {
  ScriptedUi sr;
  auto& ui = sr.ui();
  write_at_screen(ui, 1, 5, std::string(40, 'a'), 0x07);
  const auto before = snapshot_of(ui.console);
  {
    auto w = Window::open(ui, 10, 5, 30, 9, FrameStyle::kDouble, {0x07, 0x02, 0x0F}, " T ");
    ASSERT_TRUE(w);
    const auto s = snapshot_of(ui.console);
    // 21 columns: the title starts at 10 + (21 - 3) / 2.
    EXPECT_EQ(s.text(5, 10, 30), "╔" + repeat("═", 8) + " T " + repeat("═", 8) + "╗");
    EXPECT_EQ(s.text(6, 10, 30), "║" + std::string(19, ' ') + "║");
    EXPECT_EQ(s.text(9, 10, 30), "╚" + repeat("═", 19) + "╝");
    EXPECT_EQ(s.at(19, 5).attr, 0x0F);
    EXPECT_EQ(s.at(11, 6).attr, 0x02);
    EXPECT_EQ(s.at(10, 6).attr, 0x07);
    EXPECT_EQ(s.row(5).substr(0, 9), "aaaaaaaaa");
  }
  EXPECT_EQ(snapshot_of(ui.console).cells, before.cells);
}

TEST(Window, TextStartsInsideTheFrameAndIsCutThere) {
  ScriptedUi sr;
  auto& ui = sr.ui();
  auto w = Window::open(ui, 10, 5, 30, 9, FrameStyle::kSingle, {0x07, 0x02, 0x0F}, "");
  ASSERT_TRUE(w);
  write_at(ui, 1, 1, "0123456789012345678901234", 0x07);
  write_at(ui, 1, 4, "below the frame", 0x07);
  const auto s = snapshot_of(ui.console);
  EXPECT_EQ(s.text(6, 10, 31), "│0123456789012345678│ ");
  EXPECT_EQ(s.text(9, 10, 12), "└──");
}

TEST(Window, NestedWindowsRestoreInTurn) {
  ScriptedUi sr;
  auto& ui = sr.ui();
  const auto empty = snapshot_of(ui.console);
  auto outer = Window::open(ui, 5, 5, 40, 15, FrameStyle::kDouble, {0x07, 0x02, 0x0F}, "A");
  write_at(ui, 2, 2, "outer text", 0x07);
  const auto with_outer = snapshot_of(ui.console);
  {
    auto inner = Window::open(ui, 8, 7, 20, 12, FrameStyle::kSingle, {0x07, 0x02, 0x0F}, "B");
    write_at(ui, 1, 1, "inner", 0x07);
    EXPECT_EQ(snapshot_of(ui.console).text(8, 9, 13), "inner");
  }
  EXPECT_EQ(snapshot_of(ui.console).cells, with_outer.cells);
  // Relative writes go to the outer window again.
  write_at(ui, 1, 1, "x", 0x07);
  EXPECT_EQ(snapshot_of(ui.console).text(6, 6, 6), "x");
  outer.reset();
  EXPECT_EQ(snapshot_of(ui.console).cells, empty.cells);
}

TEST(Window, OffTheScreenCannotBeOpened) {
  ScriptedUi sr;
  auto& ui = sr.ui();
  EXPECT_FALSE(Window::open(ui, 0, 5, 20, 9, FrameStyle::kSingle, {}, ""));
  EXPECT_FALSE(Window::open(ui, 70, 5, 81, 9, FrameStyle::kSingle, {}, ""));
  EXPECT_FALSE(Window::open(ui, 10, 20, 20, 26, FrameStyle::kSingle, {}, ""));
  EXPECT_TRUE(ui.toolkit.windows.empty());
}

TEST(StatusBar, StackedBarsGiveTheRowBack) {
  ScriptedUi sr;
  auto& ui = sr.ui();
  write_at_screen(ui, 1, 25, "under the bars", 0x07);
  {
    StatusBar first(ui, {{cp852("^W Wszystkie ").str(), 0x1117, 0xF1}, {"F5 - ZACZNIJ", 0x3F00, 0xDD03}});
    EXPECT_EQ(snapshot_of(ui.console).row(25), "^W Wszystkie │F5 - ZACZNIJ│");
    EXPECT_EQ(snapshot_of(ui.console).at(1, 25).attr, kStatusColour);
    {
      StatusBar second(ui, {{"?", 0, 0}});
      EXPECT_EQ(snapshot_of(ui.console).row(25), "?│");
      EXPECT_EQ(ui.toolkit.status_bar, &second);
    }
    EXPECT_EQ(ui.toolkit.status_bar, &first);
    EXPECT_EQ(snapshot_of(ui.console).row(25), "^W Wszystkie │F5 - ZACZNIJ│");
  }
  EXPECT_EQ(ui.toolkit.status_bar, nullptr);
  EXPECT_EQ(snapshot_of(ui.console).row(25), "under the bars");
}

TEST(StatusBar, TurnsItsKeysAndClicksIntoCommands) {
  ScriptedUi sr;
  auto& ui = sr.ui();
  StatusBar bar(ui, {{"?", 0, 0}, {"PgDn-Dalej", 0x5100, 0x1001}});
  UiEvent key = key_event({0x5100, 0}, true);
  bar.translate(key);
  EXPECT_TRUE(key.is_command(0x1001));
  EXPECT_EQ(key.origin, kFromStatusBar);

  auto click = [](int col, int row, std::uint16_t buttons) {
    UiEvent ev;
    ev.kind = kEventMouse;
    ev.buttons = buttons;
    ev.col = col;
    ev.row = row;
    return ev;
  };
  // "?│" takes columns 1-2, "PgDn-Dalej│" 3-13.
  UiEvent on_entry = click(13, 25, kLeftButton);
  bar.translate(on_entry);
  EXPECT_TRUE(on_entry.is_command(0x1001));
  for (UiEvent ev : {click(1, 25, kLeftButton), click(14, 25, kLeftButton),
                     click(5, 25, kRightButton), click(5, 24, kLeftButton)}) {
    bar.translate(ev);
    EXPECT_EQ(ev.kind, kEventMouse);
  }
  UiEvent other = key_event({0x4900, 0}, true);
  bar.translate(other);
  EXPECT_EQ(other.kind, kEventKey);
}

TEST(Keys, CtrlIAndCtrlQAreTranslated) {
  const auto ins = key_event({0x1709, 0}, true);
  EXPECT_EQ(ins.key, 0x5200);
  EXPECT_EQ(ins.extended, 1);
  EXPECT_EQ(ins.ch, ' ');
  const auto esc = key_event({0x1011, 0}, true);
  EXPECT_EQ(esc.key, 0x011B);
  EXPECT_EQ(esc.extended, 0);
  EXPECT_EQ(esc.ch, 0x1B);
}

TEST(Keys, AltLettersTypePolishLetters) {
  const std::pair<char, const char*> table[] = {{'A', "ąĄ"}, {'C', "ćĆ"}, {'E', "ęĘ"},
                                                {'L', "łŁ"}, {'N', "ńŃ"}, {'O', "óÓ"},
                                                {'S', "śŚ"}, {'Z', "żŻ"}, {'X', "źŹ"}};
  for (const auto& [latin, letters] : table) {
    const auto code = platform::keys::alt_letter(latin);
    const auto expected = test::cp852_bytes(letters);
    const auto small = key_event({code, 0}, true);
    const auto capital = key_event({code, 0x2B}, true);
    EXPECT_EQ(small.ch, static_cast<std::uint8_t>(expected[0])) << latin;
    EXPECT_EQ(capital.ch, static_cast<std::uint8_t>(expected[1])) << latin;
    EXPECT_EQ(key_event({code, 0x68}, true).ch, static_cast<std::uint8_t>(expected[1])) << latin;
    EXPECT_EQ(small.extended, 0);
  }
  const auto section = static_cast<std::uint8_t>(test::cp852_bytes("§")[0]);
  EXPECT_EQ(key_event({0x1900, 0}, true).ch, section);
  EXPECT_EQ(key_event({0x1900, 0x2B}, true).ch, section);
}

TEST(Keys, WithoutPolishInputAltLettersAreExtendedKeys) {
  for (bool polish : {false, true}) {
    const auto b = key_event({platform::keys::alt_letter(polish ? 'B' : 'A'), 0}, polish);
    EXPECT_EQ(b.extended, 1);
    EXPECT_EQ(b.ch, ' ');
  }
  EXPECT_EQ(key_event({0x3B00, 0}, true).extended, 1);
  EXPECT_EQ(key_event({0x1C0D, 0}, true).ch, 0x0D);
}

TEST(Events, FilesChangedWhileAnEventWaitedAreSeen) {
  test::TempDir dir;
  const platform::ListingScope listings;
  EXPECT_FALSE(platform::find_entry(dir.str() + "/firma.ini"));
  test::write_file(dir / "FIRMA.INI", std::string("x"));
  ScriptedUi sr(test::keys({"Enter"}));
  read_event(sr.ui());
  EXPECT_TRUE(platform::find_entry(dir.str() + "/firma.ini"));
}

TEST(Events, ClickOnTheTopLeftCornerIsEsc) {
  ScriptedUi sr(test::keys({"click left 2 1", "click left 3 1", "click right 1 1", "A-O"}));
  auto& ui = sr.ui();
  const auto corner = read_event(ui);
  EXPECT_TRUE(corner.is_key(0x011B));
  const auto beside = read_event(ui);
  EXPECT_EQ(beside.kind, kEventMouse);
  EXPECT_EQ(beside.col, 3);
  EXPECT_TRUE(read_event(ui).is_key(0x011B));
  const auto letter = read_event(ui);
  EXPECT_EQ(letter.ch, static_cast<std::uint8_t>(test::cp852_bytes("ó")[0]));
  EXPECT_EQ(ui.toolkit.last_event.ch, letter.ch);
}

TEST(Clock, ShowsTheTimeOnlyWhenTheSecondChanged) {
  ScriptedUi sr;
  auto& ui = sr.ui();
  update_clock(ui);
  auto s = snapshot_of(ui.console);
  EXPECT_EQ(s.text(1, 73, 80), "08:00:00");
  EXPECT_EQ(s.at(73, 1).attr, 0x0F);
  write_at_screen(ui, 73, 1, "--------", 0x07);
  ui.console.sleep_ms(999);
  update_clock(ui);
  EXPECT_EQ(snapshot_of(ui.console).text(1, 73, 80), "--------");
  ui.console.sleep_ms(3600 * 1000 + 61 * 1000);
  update_clock(ui);
  EXPECT_EQ(snapshot_of(ui.console).text(1, 73, 80), "09:01:01");
}

TEST(Clock, IdlePassesKeepItCurrent) {
  // Each event waited for is one idle pass of 64 ms: 16 of them pass a second.
  std::string script;
  for (int i = 0; i < 17; ++i) script += "x\n";
  ScriptedUi sr(script);
  auto& ui = sr.ui();
  for (int i = 0; i < 17; ++i) read_event(ui);
  EXPECT_EQ(snapshot_of(ui.console).text(1, 73, 80), "08:00:01");
}

TEST(Beep, VxsoundOffKeepsQuiet) {
  ScriptedUi sr;
  beep(sr.ui(), 3000, 2);
  sr.ui().sound_off = true;
  beep(sr.ui(), 1200, 1);
  EXPECT_NE(sr.output().find("--- beep 3000 2 ---"), std::string::npos);
  EXPECT_EQ(sr.output().find("--- beep 1200"), std::string::npos);
}

TEST(ColourFile, LoadedFromTheProgramDirectory) {
  test::TempDir dir;
  ScriptedUi sr;
  auto& ui = sr.ui();
  ui.program_dir = dir.str() + "/";

  start_toolkit(ui);  // no file: the defaults
  EXPECT_EQ(ui.toolkit.colours, kDefaultColours);

  const std::string scheme = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B";
  test::write_file(dir / "KOLORY.VX", scheme + "second record is ignored");
  start_toolkit(ui);
  EXPECT_EQ(ui.toolkit.colours, (ColourScheme{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(ui.toolkit.default_colours, kDefaultColours);

  test::write_file(dir / "KOLORY.VX", std::string_view("\x01\x02\x03"));
  ui.toolkit.colours = kDefaultColours;
  start_toolkit(ui);  // shorter than one record: the defaults
  EXPECT_EQ(ui.toolkit.colours, kDefaultColours);

  ui.toolkit.colours[kSlotError] = 0x1E;
  ASSERT_TRUE(save_colour_scheme(ui));
  const auto saved = test::read_file(dir / "KOLORY.VX");
  ASSERT_EQ(saved.size(), 11u);
  EXPECT_EQ(saved[8], 0x1E);
  EXPECT_EQ(saved[5], 0x02);
}

}  // namespace
}  // namespace vx::ui
