#include "ui/input_field.hpp"

#include <gtest/gtest.h>

#include "charset/cp852.hpp"
#include "form_harness.hpp"
#include "screen_capture.hpp"
#include "ui/check_controls.hpp"
#include "ui/commands.hpp"

namespace vx::ui {
namespace {

using test::keys;
using test::ScreenCapture;
using test::ScriptedUi;
using test::TestForm;

bool beeped(const ScriptedUi& sr, std::string_view what) {
  return sr.output().find(what) != std::string::npos;
}

// Runs one field of the given width on a form with the keys; Esc is added.
std::string edit(ScriptedUi& sr, std::string text, int width, int max_length = 0) {
  TestForm form(sr.ui());
  form.Add<InputField>(nullptr, 4, 2, width, text, max_length);
  EXPECT_EQ(form.Execute(), CMD_CANCEL);
  return text;
}

std::string edit(std::initializer_list<std::string_view> script, std::string text, int width) {
  std::vector<std::string_view> lines(script);
  std::string s;
  for (auto l : lines) s += std::string(l) + "\n";
  ScriptedUi sr(s + "Esc\n");
  return edit(sr, std::move(text), width);
}

TEST(InputField, OverwriteAndInsertShareOneMode) {
  ScriptedUi sr(keys({"Right", "Right", "X", "Ins", "Y", "Tab", "Z", "Esc"}));
  std::string first = "abcdef", second = "123";
  TestForm form(sr.ui());
  form.Add<InputField>(nullptr, 4, 2, 10, first);
  form.Add<InputField>(nullptr, 4, 4, 10, second);
  form.Execute();
  EXPECT_EQ(first, "abXYdef");
  // The second field starts in insert mode too.
  EXPECT_EQ(second, "Z123");
  EXPECT_TRUE(sr.ui().toolkit.insert_mode);
}

TEST(InputField, InsertDropsTheLastCharacterOfAFullField) {
  ScriptedUi sr(keys({"Ins", "Z", "Esc"}));
  EXPECT_EQ(edit(sr, "abcde", 5), "Zabcd");
}

TEST(InputField, TypingPastTheWidthBeeps) {
  ScriptedUi sr(keys({"text abcd", "Esc"}));
  EXPECT_EQ(edit(sr, "", 3), "abc");
  EXPECT_TRUE(beeped(sr, "--- beep 3000 1 ---"));
}

TEST(InputField, DeleteAndBackspaceBeepWhereNothingIsToDelete) {
  {
    ScriptedUi sr(keys({"Del", "C-Right", "Del", "Esc"}));
    EXPECT_EQ(edit(sr, "abc", 10), "bc");
    EXPECT_TRUE(beeped(sr, "--- beep 2250 1 ---"));
    EXPECT_FALSE(beeped(sr, "--- beep 1200"));
  }
  {
    ScriptedUi sr(keys({"BS", "C-Right", "BS", "Left", "BS", "Esc"}));
    EXPECT_EQ(edit(sr, "abcd", 10), "ac");
    EXPECT_TRUE(beeped(sr, "--- beep 1200 1 ---"));
  }
  {
    // A full field: the cursor past the width has nothing under it.
    ScriptedUi sr(keys({"C-Right", "Del", "Esc"}));
    EXPECT_EQ(edit(sr, "abc", 3), "abc");
    EXPECT_TRUE(beeped(sr, "--- beep 2250 1 ---"));
  }
}

TEST(InputField, ClearRestoreAndCase) {
  EXPECT_EQ(edit({"C-Y"}, "abc", 10), "");
  EXPECT_EQ(edit({"C-Y", "text xy", "C-P"}, "abc", 10), "abc");
  EXPECT_EQ(edit({"C-D"}, cp852("zażółć gęślą jaźń").str(), 20), cp852("ZAŻÓŁĆ GĘŚLĄ JAŹŃ").str());
  EXPECT_EQ(edit({"C-M"}, cp852("ŻÓŁW Łódź").str(), 20), cp852("żółw łódź").str());
}

TEST(InputField, ClipboardCopiesBetweenFieldsAndIsCutToTheField) {
  ScriptedUi sr(keys({"C-K", "Tab", "C-W", "Tab", "C-W", "Esc"}));
  std::string source = "C:\\WEX2017\\DANE", wide, narrow = "x";
  TestForm form(sr.ui());
  form.Add<InputField>(nullptr, 4, 2, 20, source);
  form.Add<InputField>(nullptr, 4, 4, 20, wide);
  form.Add<InputField>(nullptr, 4, 6, 5, narrow);
  form.Execute();
  EXPECT_EQ(wide, "C:\\WEX2017\\DANE");
  EXPECT_EQ(narrow, "C:\\WE");
}

TEST(InputField, ClipboardHoldsEightyCharacters) {
  ScriptedUi sr(keys({"C-K", "Tab", "C-W", "Esc"}));
  std::string source(100, 'a'), target;
  for (std::size_t i = 0; i < source.size(); ++i) source[i] = static_cast<char>('0' + i % 10);
  TestForm form(sr.ui());
  form.Add<InputField>(nullptr, 4, 2, 50, source, 255);
  form.Add<InputField>(nullptr, 4, 4, 50, target, 255);
  form.Execute();
  EXPECT_EQ(target, source.substr(0, 80));
  EXPECT_EQ(source.size(), 100u);
}

TEST(InputField, ArrowsLeaveAtTheEnds) {
  // Left at column 1 and Right past the text hand the key to the form.
  ScriptedUi sr(keys({"Left", "x", "Right", "Right", "Right", "Right", "Space", "Esc"}));
  std::uint8_t before = 0, after = 0;
  std::string text = "ab";
  TestForm form(sr.ui());
  form.Add<CheckBox>(nullptr, 4, 1, before, "przed");
  form.Add<InputField>(nullptr, 4, 2, 10, text);
  form.Add<CheckBox>(nullptr, 4, 3, after, "po");
  form.FocusItem(2);
  form.Execute();
  // Left -> the box before (x ticks it); Right -> the field; Right, Right:
  // to column 3; Right past the text -> the box after.
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 1);
  EXPECT_EQ(text, "ab");
}

TEST(InputField, BoundTextIsCutToTheWidthOrLosesTrailingBlanks) {
  ScriptedUi sr;
  std::string long_text = "abcdefgh", padded = "ab   ";
  TestForm form(sr.ui());
  form.Add<InputField>(nullptr, 4, 2, 5, long_text);
  form.Add<InputField>(nullptr, 4, 3, 10, padded);
  EXPECT_EQ(long_text, "abcde");
  EXPECT_EQ(padded, "ab");
}

TEST(InputField, LeavingWithAnotherTextMarksTheDataChanged) {
  ScriptedUi unchanged(keys({"x", "C-P", "Esc"}));
  edit(unchanged, "abc", 10);
  EXPECT_FALSE(unchanged.ui().toolkit.data_changed);
  ScriptedUi changed(keys({"x", "Esc"}));
  edit(changed, "abc", 10);
  EXPECT_TRUE(changed.ui().toolkit.data_changed);
}

TEST(InputField, DrawsTheTextPaddedMaskedOrUpperCased) {
  ScriptedUi sr(keys({"text ał", "Tab", "Esc"}));
  ScreenCapture capture(sr);
  std::string plain = "ab", secret = "tajne", upper;
  TestForm form(sr.ui());
  form.Add<InputField>(make_label(2, 1, "Nazwa:"), 4, 2, 6, upper)->SetUpperCaseOnly(true);
  form.Add<InputField>(nullptr, 4, 4, 8, secret)->SetMasked(true);
  form.Add<InputField>(nullptr, 4, 6, 4, plain);
  form.Execute();
  EXPECT_EQ(upper, cp852("AŁ").str());
  const auto& s = capture.before_event(1);
  EXPECT_EQ(s.text(4, 5, 10), "Nazwa:");
  EXPECT_EQ(s.at(5, 4).attr, 0x0E);  // the label of the focused field
  EXPECT_EQ(s.text(7, 7, 14), "*****   ");
  EXPECT_EQ(s.text(9, 7, 11), "ab   ");
  EXPECT_EQ(s.at(10, 9).attr, 0x1F);
  EXPECT_EQ(s.at(11, 9).attr, 0x02);
}

// Location fields: 50 columns holding paths of up to 255 characters.
TEST(InputField, LongerThanWideKeepsTheWholeTextAndScrolls) {
  const std::string path = "/srv/biuro/instalacje/rok2017/wex/dane_firm/"
                           "archiwum/kopie_zapasowe/";  // 68 characters
  ASSERT_EQ(path.size(), 68u);
  ScriptedUi sr(keys({"C-Right", "X", "C-Left", "Right", "Esc"}));
  ScreenCapture capture(sr);
  std::string text = path;
  TestForm form(sr.ui());
  form.Add<InputField>(nullptr, 4, 2, 50, text, 255);
  EXPECT_EQ(form.Execute(), CMD_CANCEL);
  EXPECT_EQ(text, path + "X");
  // The field starts at screen column 7, row 5.
  EXPECT_EQ(capture.before_event(1).text(5, 7, 56), path.substr(0, 50));
  // At the end of the text the view shows its last 49 characters and the
  // cursor cell after them.
  EXPECT_EQ(capture.before_event(2).text(5, 7, 56), path.substr(19) + " ");
  EXPECT_EQ(capture.before_event(3).text(5, 7, 56), path.substr(20) + "X ");
  EXPECT_EQ(capture.before_event(4).text(5, 7, 56), path.substr(0, 50));
  // Left again, the field shows its beginning.
  EXPECT_EQ(capture.last().text(5, 7, 56), path.substr(0, 50));
}

TEST(InputField, LongFieldStopsAtItsMaximumLength) {
  ScriptedUi sr(keys({"C-Right", "text 12345", "Esc"}));
  EXPECT_EQ(edit(sr, "abcdefgh", 4, 10), "abcdefgh12");
  EXPECT_TRUE(beeped(sr, "--- beep 3000 1 ---"));
  // A text longer than the maximum is cut to it, not to the width.
  ScriptedUi cut(keys({"Esc"}));
  EXPECT_EQ(edit(cut, "abcdefghijkl", 4, 10), "abcdefghij");
}

}  // namespace
}  // namespace vx::ui
