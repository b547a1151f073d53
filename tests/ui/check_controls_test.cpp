#include "ui/check_controls.hpp"

#include <gtest/gtest.h>

#include "form_harness.hpp"
#include "screen_capture.hpp"
#include "ui/commands.hpp"

namespace vx::ui {
namespace {

using test::keys;
using test::ScreenCapture;
using test::ScriptedUi;
using test::TestForm;

TEST(CheckGroup, KeysSetClearAndLeaveAtTheEnds) {
  ScriptedUi sr(keys({"Space", "Space", "x", "Down", "X", "Down", "Grey+", "0", "Grey+", "Grey-", "Down",
                      "Space", "S-Tab", "Up", "Up", "Up", "x", "Esc"}));
  std::uint16_t set = 0;
  std::uint8_t box = 0;
  TestForm form(sr.ui());
  form.Add<CheckGroup>(nullptr, 3, 2, ItemList{"jeden", "dwa", "trzy"}, set);
  form.Add<CheckBox>(nullptr, 3, 6, box, "pole");
  EXPECT_EQ(form.Execute(), CMD_CANCEL);
  // Down on the last item and Up on the first hand the key to the form: the
  // check box got Space and then x.
  EXPECT_EQ(set, 0b011);
  EXPECT_EQ(box, 0);
}

TEST(CheckGroup, LeavesOtherBitsAlone) {
  ScriptedUi sr(keys({"Down", "0", "Esc"}));
  std::uint16_t set = 0xFFFF;
  TestForm form(sr.ui());
  form.Add<CheckGroup>(nullptr, 3, 2, ItemList{"a", "b", "c"}, set);
  form.Execute();
  EXPECT_EQ(set, 0xFFFD);
}

TEST(CheckGroup, DrawsOneBoxPerItemAndLightsTheCurrentOne) {
  ScriptedUi sr(keys({"Down", "Esc"}));
  ScreenCapture capture(sr);
  std::uint16_t set = 0b101;
  TestForm form(sr.ui());
  form.Add<CheckGroup>(make_label(2, 1, "Zaznaczam:"), 3, 2, ItemList{"jeden", "dwa", "trzy"}, set);
  form.Execute();
  // The inside of the form starts at screen column 4, row 4.
  const auto& s = capture.before_event(2);
  EXPECT_EQ(s.text(5, 6, 14), "[■] jeden");
  EXPECT_EQ(s.text(6, 6, 15), "[ ] dwa   ");
  EXPECT_EQ(s.text(7, 6, 14), "[■] trzy ");
  EXPECT_EQ(s.at(6, 5).attr, 0x07);
  EXPECT_EQ(s.at(6, 6).attr, 0x70);
  EXPECT_EQ(s.at(5, 4).attr, 0x0E);
}

TEST(CheckGroup, ShowsAtMostSixteenItems) {
  ScriptedUi sr;
  std::uint16_t set = 0;
  ItemList items;
  for (int i = 0; i < 18; ++i) items.Add("item");
  TestForm form(sr.ui());
  auto* group = form.Add<CheckGroup>(nullptr, 3, 2, items, set);
  EXPECT_EQ(group->Count(), 16);
  EXPECT_EQ(group->GetBounds().bottom, 18);
}

TEST(RadioGroup, ChoosesTheCurrentItem) {
  ScriptedUi sr(keys({"Down", "Space", "Up", "Up", "x", "Down", "Grey+", "Esc"}));
  ScreenCapture capture(sr);
  std::uint16_t choice = 1;
  TestForm form(sr.ui());
  auto* radio = form.Add<RadioGroup>(nullptr, 3, 2, ItemList{"jeden", "dwa", "trzy"}, choice);
  // The current item starts at the chosen one.
  EXPECT_EQ(radio->Current(), 2);
  form.Execute();
  EXPECT_EQ(choice, 1);
  EXPECT_EQ(capture.before_event(3).text(7, 6, 13), "(•) trzy");
  EXPECT_EQ(capture.before_event(3).text(6, 6, 12), "( ) dwa");
}

TEST(RadioGroup, UpOnTheFirstItemLeaves) {
  ScriptedUi sr(keys({"Up", "Space", "Esc"}));
  std::uint16_t choice = 0;
  std::uint8_t box = 0;
  TestForm form(sr.ui());
  form.Add<CheckBox>(nullptr, 3, 1, box, "pole");
  form.Add<RadioGroup>(nullptr, 3, 2, ItemList{"a", "b"}, choice);
  form.FocusItem(2);
  form.Execute();
  EXPECT_EQ(box, 1);
  EXPECT_EQ(choice, 0);
}

TEST(CheckBox, SpaceAndSmallXToggle) {
  ScriptedUi sr(keys({"Space", "Space", "x", "X", "Esc"}));
  ScreenCapture capture(sr);
  std::uint8_t box = 0;
  TestForm form(sr.ui());
  form.Add<CheckBox>(nullptr, 5, 15, box, "pokazuj powoli");
  form.Execute();
  EXPECT_EQ(box, 1);  // X is not a key of the check box
  EXPECT_EQ(capture.before_event(2).text(18, 8, 25), "[■] pokazuj powoli");
  EXPECT_EQ(capture.before_event(3).text(18, 8, 25), "[ ] pokazuj powoli");
}

TEST(CheckBox, TextCrossingTheFrameIsCutAtIt) {
  // Page 1's longest option: 67 characters at column 5 of a 76-wide form
  // end one column past the inside.
  ScriptedUi sr(keys({"Esc"}));
  ScreenCapture capture(sr);
  std::uint8_t box = 1;
  const std::string text(67, 'z');
  TestForm form(sr.ui());
  form.Add<CheckBox>(nullptr, 5, 15, box, text);
  form.Execute();
  EXPECT_EQ(capture.before_event(1).text(18, 78, 78), "║");
  EXPECT_EQ(capture.before_event(1).text(18, 77, 77), "z");
}

}  // namespace
}  // namespace vx::ui
