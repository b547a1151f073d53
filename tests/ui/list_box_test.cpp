#include "ui/list_box.hpp"

#include <gtest/gtest.h>

#include <vector>

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

// A list of numbered rows, "Pozycja 0001" and on.
class NumberList : public ListBox {
 public:
  NumberList(Ui& ui, std::int32_t count, std::int32_t* current)
      : ListBox(ui, nullptr, 1, 2, 20, 10, current), count_(count) {}
  std::int32_t ItemCount() override { return count_; }
  std::string ItemText(std::int32_t n) override {
    std::string digits = std::to_string(n);
    return "Pozycja " + std::string(4 - digits.size(), '0') + digits;
  }

 private:
  std::int32_t count_;
};

// A list of given texts.
class TextList : public ListBox {
 public:
  TextList(Ui& ui, std::vector<std::string> texts, std::int32_t* current, int width = 20)
      : ListBox(ui, nullptr, 1, 2, width, 5, current), texts_(std::move(texts)) {}
  std::int32_t ItemCount() override { return static_cast<std::int32_t>(texts_.size()); }
  std::string ItemText(std::int32_t n) override { return texts_[static_cast<std::size_t>(n - 1)]; }

 private:
  std::vector<std::string> texts_;
};

// The test form's inside starts at screen column 4, row 4: a framed list at
// 1, 2 has its frame at columns 4-25, rows 5-16, its rows from column 5,
// row 6.
constexpr int kRowCol = 5;
constexpr int kFirstRow = 6;

TEST(ListBox, EmptyListShowsPustoAndIgnoresMovement) {
  ScriptedUi sr(keys({"Down", "PgDn", "Up", "PgUp", "Enter", "Del", "Ins"}));
  ScreenCapture capture(sr);
  std::int32_t current = 1;
  TestForm form(sr.ui());
  form.Add<NumberList>(sr.ui(), 0, &current);
  EXPECT_EQ(form.Execute(), kListInsert);
  EXPECT_EQ(current, 1);
  const auto& s = capture.before_event(1);
  // ">> PUSTO <<" centred in 20 columns: (20 - 11) div 2 = 4 blanks before.
  EXPECT_EQ(s.text(kFirstRow, kRowCol, kRowCol + 19), "    >> PUSTO <<     ");
  EXPECT_EQ(s.at(kRowCol + 4, kFirstRow).attr, 0x4F);
  EXPECT_EQ(s.text(kFirstRow + 1, kRowCol, kRowCol + 19), std::string(20, ' '));
  // Enter and Del only beep.
  const auto out = sr.output();
  std::size_t beeps = 0;
  for (auto p = out.find("--- beep"); p != std::string::npos; p = out.find("--- beep", p + 1)) ++beeps;
  EXPECT_EQ(beeps, 2u);
}

TEST(ListBox, EndShowsTheLastPageAndHomeTheFirst) {
  ScriptedUi sr(keys({"End", "Home", "Esc"}));
  ScreenCapture capture(sr);
  std::int32_t current = 1;
  TestForm form(sr.ui());
  form.Add<NumberList>(sr.ui(), 1000, &current);
  EXPECT_EQ(form.Execute(), CMD_CANCEL);
  EXPECT_EQ(current, 1);
  const auto& end = capture.before_event(2);
  EXPECT_EQ(end.text(kFirstRow, kRowCol, kRowCol + 11), "Pozycja 0991");
  EXPECT_EQ(end.text(kFirstRow + 9, kRowCol, kRowCol + 11), "Pozycja 1000");
  EXPECT_EQ(end.at(kRowCol, kFirstRow + 9).attr, 0x70);
  EXPECT_EQ(end.at(kRowCol, kFirstRow + 8).attr, 0x07);
  const auto& home = capture.before_event(3);
  EXPECT_EQ(home.text(kFirstRow, kRowCol, kRowCol + 11), "Pozycja 0001");
  EXPECT_EQ(home.at(kRowCol, kFirstRow).attr, 0x70);
}

TEST(ListBox, ScrollsAndPages) {
  const std::pair<std::vector<std::string_view>, std::pair<int, int>> cases[] = {
      // keys -> current item, first item in view
      {{"Down"}, {2, 1}},
      {{"PgDn"}, {11, 11}},
      {{"PgDn", "PgDn", "PgDn"}, {31, 26}},  // 35 items: the last page starts at 26
      {{"End", "PgUp"}, {25, 16}},
      {{"PgDn", "Up", "Up"}, {9, 9}},
      {{"Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down"}, {11, 2}},
      {{"Up"}, {1, 1}},
      {{"End", "Down"}, {35, 26}},
  };
  for (const auto& [script, expected] : cases) {
    std::string text;
    for (auto k : script) text += std::string(k) + "\n";
    ScriptedUi sr(text + "Esc\n");
    std::int32_t current = 1;
    TestForm form(sr.ui());
    auto* list = form.Add<NumberList>(sr.ui(), 35, &current);
    form.Execute();
    EXPECT_EQ(current, expected.first) << text;
    EXPECT_EQ(list->TopItem(), expected.second) << text;
  }
}

TEST(ListBox, TypedLettersSearchInPolishUpperCase) {
  const std::vector<std::string> names = {"ALFA", "BETA", "BRAVO", "BZIK", cp852("ŻUBR").str(),
                                          "zebra", "BRYZA"};
  const std::pair<std::vector<std::string_view>, int> cases[] = {
      {{"b"}, 2},
      {{"b", "r"}, 3},
      {{"b", "r", "y"}, 7},
      {{"ż"}, 5},
      {{"z"}, 6},
      {{"b", "q"}, 2},        // no match: the list stays where the search held
      {{"b", "Down", "a"}, 1},  // moving starts a new search
  };
  for (const auto& [script, expected] : cases) {
    std::string text;
    for (auto k : script) text += std::string(k) + "\n";
    ScriptedUi sr(text + "Esc\n");
    std::int32_t current = 1;
    TestForm form(sr.ui());
    form.Add<TextList>(sr.ui(), names, &current);
    form.Execute();
    EXPECT_EQ(current, expected) << text;
  }
}

TEST(ListBox, TabWithoutSearchColumnsMovesTheFocusOn) {
  ScriptedUi sr(keys({"Tab", "Space", "Esc"}));
  std::int32_t current = 1;
  std::uint8_t box = 0;
  TestForm form(sr.ui());
  form.Add<NumberList>(sr.ui(), 5, &current);
  form.Add<CheckBox>(nullptr, 30, 2, box, "pole");
  form.Execute();
  EXPECT_EQ(box, 1);
  EXPECT_EQ(form.FocusedItem(), 2);
}

TEST(ListBox, TabStepsThroughTheSearchColumns) {
  // Search on the name (column 1) or, after Tab, on the code (column 8).
  const std::vector<std::string> rows = {"ALFA   Z1", "BETA   A7", "GAMMA  A2"};
  ScriptedUi sr(keys({"Tab", "a", "2", "S-Tab", "b", "Esc"}));
  std::int32_t current = 1;
  TestForm form(sr.ui());
  auto* list = form.Add<TextList>(sr.ui(), rows, &current);
  list->SetSearchColumns({1, 8, 0, 0, 0});
  form.Execute();
  EXPECT_EQ(current, 2);
  EXPECT_EQ(form.FocusedItem(), 1);
}

TEST(ListBox, ActionKeysBecomeCommands) {
  const std::pair<std::string_view, std::uint16_t> cases[] = {
      {"Enter", kListEnter}, {"C-Enter", kListCtrlEnter}, {"Del", kListDelete}, {"Ins", kListInsert}};
  for (const auto& [key, command] : cases) {
    ScriptedUi sr(keys({"Down", key}));
    std::int32_t current = 1;
    TestForm form(sr.ui());
    form.Add<NumberList>(sr.ui(), 5, &current);
    EXPECT_EQ(form.Execute(), command) << key;
    EXPECT_EQ(current, 2);
  }
}

TEST(ListBox, StatusBarKeysReachTheFormNotTheSearch) {
  // The company screen binds Space on its status bar.
  ScriptedUi sr(keys({"Down", "Space"}));
  std::int32_t current = 1;
  TestForm form(sr.ui());
  form.Add<TextList>(sr.ui(), std::vector<std::string>{"A", " B", "C"}, &current);
  form.SetStatusBar({{"SPACE", 0x3920, 0xF0}});
  EXPECT_EQ(form.Execute(), 0xF0);
  EXPECT_EQ(current, 2);
}

TEST(ListBox, ClickOnARowMakesItCurrent) {
  ScriptedUi sr(keys({"click left 8 8", "click left 8 14", "Esc"}));
  std::int32_t current = 1;
  TestForm form(sr.ui());
  form.Add<TextList>(sr.ui(), std::vector<std::string>{"A", "B", "C", "D"}, &current);
  form.Execute();
  // Row 8 is the third row; row 14 lies below the list's five rows.
  EXPECT_EQ(current, 3);
}

TEST(ListBox, FrameShowsTheFocusAndUnframedListsTakeTheirPlace) {
  ScriptedUi sr(keys({"Esc"}));
  ScreenCapture capture(sr);
  auto& ui = sr.ui();
  std::int32_t current = 1;
  TestForm form(ui);
  form.Add<TextList>(ui, std::vector<std::string>{"jeden", "dwa"}, &current, 8);
  ui.toolkit.list_framed = false;
  auto* bare = form.Add<TextList>(ui, std::vector<std::string>{"trzy"}, nullptr, 8);
  EXPECT_TRUE(ui.toolkit.list_framed);
  EXPECT_EQ(bare->GetBounds().right - bare->GetBounds().left, 8);
  // The unframed list at 1, 2 covers the framed one's corner.
  EXPECT_EQ(test::snapshot_of(ui.console).text(5, 4, 11), "trzy    ");
  form.Execute();
  const auto& s = capture.before_event(1);
  EXPECT_EQ(s.text(5, 4, 13), "┌────────┐");
  EXPECT_EQ(s.text(6, 4, 13), "│jeden   │");
  EXPECT_EQ(s.text(11, 4, 13), "└────────┘");
  EXPECT_EQ(s.at(4, 5).attr, 0x0F);
}

}  // namespace
}  // namespace vx::ui
