#include "ui/dialog_form.hpp"

#include <gtest/gtest.h>

#include "charset/cp852.hpp"
#include "platform/key_codes.hpp"
#include "form_harness.hpp"
#include "screen_capture.hpp"
#include "ui/check_controls.hpp"
#include "ui/commands.hpp"
#include "ui/event_source.hpp"
#include "ui/input_field.hpp"
#include "ui/push_button.hpp"

namespace vx::ui {
namespace {

using test::keys;
using test::ScreenCapture;
using test::ScriptedUi;

constexpr std::uint16_t kCmdNext = 0x1001;

using Page = test::TestForm;

TEST(DialogForm, WithoutFocusableControlsReadsEventsItself) {
  ScriptedUi sr(keys({"Space", "x", "F2", "Esc"}));
  auto& ui = sr.ui();
  std::uint8_t flag = 0;
  DialogForm form(ui, 3, 3, 40, 10, " T ");
  form.Add<CheckBox>(nullptr, 2, 2, flag, "nie do ruszenia")->SetSkip(true);
  // F2 gives a command of the caller that does not end the form.
  form.SetStatusBar({{"F2", platform::keys::function_key(2), kCmdNext}});
  EXPECT_EQ(form.Execute(), CMD_CANCEL);
  EXPECT_EQ(flag, 0);
}

TEST(DialogForm, EndsOnTheToolkitCommandsOnly) {
  for (const std::uint16_t command : {CMD_YES, CMD_NO, CMD_OK, CMD_CANCEL, std::uint16_t{0xDD05},
                                      std::uint16_t{0xDD07}}) {
    ScriptedUi sr(keys({"F3", "F2"}));
    DialogForm form(sr.ui(), 3, 3, 40, 10, "");
    form.SetStatusBar({{"F2", platform::keys::function_key(2), command},
                       {"F3", platform::keys::function_key(3), 0xDD08}});
    EXPECT_EQ(form.Execute(), command);
    EXPECT_EQ(sr.console().screens_shown(), 2);
  }
}

TEST(DialogForm, FocusWrapsAndPassesOverSkippedControls) {
  ScriptedUi sr(keys({"Tab", "Tab", "Space", "S-Tab", "Space", "Down", "Down", "Space", "Esc"}));
  auto& ui = sr.ui();
  std::uint8_t a = 0, b = 0, c = 0;
  Page form(ui);
  form.Add<CheckBox>(nullptr, 4, 2, a, "a");
  form.Add<CheckBox>(nullptr, 4, 3, b, "b")->SetSkip(true);
  form.Add<CheckBox>(nullptr, 4, 4, c, "c");
  EXPECT_EQ(form.Execute(), CMD_CANCEL);
  // Tab, Tab: a -> c -> a; Space on a; Shift+Tab from the first goes to the
  // last; Space on c; Down twice: c -> a -> c; Space on c.
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(c, 0);
}

TEST(DialogForm, HotLetterGoesIntoTheFieldFirst) {
  ScriptedUi sr(keys({"d", "Tab", "d"}));
  auto& ui = sr.ui();
  std::string text;
  std::uint8_t flag = 0;
  Page form(ui);
  form.Add<InputField>(nullptr, 4, 2, 10, text);
  form.Add<CheckBox>(nullptr, 4, 4, flag, "z pola nie");
  form.Add<PushButton>(14, 19, 14, 2, cp852("Poniechaj"), CMD_CANCEL);
  form.Add<PushButton>(54, 19, 14, 2, cp852("Dalej >>"), kCmdNext);
  EXPECT_EQ(form.Execute(), kCmdNext);
  EXPECT_EQ(text, "d");
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(form.FocusedItem(), 4);
}

TEST(DialogForm, HotLettersCompareInPolishUpperCase) {
  ScriptedUi sr(keys({"ż"}));
  std::uint8_t flag = 0;
  Page form(sr.ui());
  form.Add<CheckBox>(nullptr, 4, 4, flag, "x");
  form.Add<PushButton>(14, 19, 14, 2, cp852("Zwykła"), 0x2001);
  form.Add<PushButton>(34, 19, 14, 2, cp852("Żadna"), 0x2002);
  EXPECT_EQ(form.Execute(), 0x2002);
}

TEST(DialogForm, EscEndsTheFormFromEveryControl) {
  for (int item = 1; item <= 5; ++item) {
    ScriptedUi sr(keys({"Esc"}));
    std::string text = "abc";
    std::uint8_t flag = 0;
    std::uint16_t set = 0, choice = 0;
    Page form(sr.ui());
    form.Add<InputField>(nullptr, 4, 2, 10, text);
    form.Add<CheckBox>(nullptr, 4, 4, flag, "a");
    form.Add<CheckGroup>(nullptr, 4, 6, ItemList{"a", "b"}, set);
    form.Add<RadioGroup>(nullptr, 4, 9, ItemList{"a", "b"}, choice);
    form.Add<PushButton>(14, 19, 14, 2, "OK", CMD_OK);
    form.FocusItem(item);
    EXPECT_EQ(form.Execute(), CMD_CANCEL) << item;
    EXPECT_EQ(form.FocusedItem(), item);
  }
}

TEST(DialogForm, MouseButtonsFocusCancelAndAccept) {
  // The form's window starts at screen column 3, row 3: its inside at 4, 4.
  ScriptedUi sr(keys({"click left 8 8", "Space", "click right 40 10"}));
  std::uint8_t a = 0, b = 0;
  Page form(sr.ui());
  form.Add<CheckBox>(nullptr, 4, 2, a, "a");
  form.Add<CheckBox>(nullptr, 4, 5, b, "b");  // screen row 8, columns 7-11
  EXPECT_EQ(form.Execute(), CMD_CANCEL);
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 1);

  ScriptedUi middle(keys({"click middle 40 10"}));
  Page other(middle.ui());
  EXPECT_EQ(other.Execute(), CMD_OK);
}

TEST(DialogForm, OpensOnTheItemAskedFor) {
  ScriptedUi sr(keys({"Space", "Esc"}));
  std::uint8_t a = 0, b = 0, c = 0;
  Page form(sr.ui());
  form.Add<CheckBox>(nullptr, 4, 2, a, "a");
  form.Add<CheckBox>(nullptr, 4, 3, b, "b")->SetSkip(true);
  form.Add<CheckBox>(nullptr, 4, 4, c, "c");
  // Item 2 cannot take the focus: the next one does.
  form.FocusItem(2);
  EXPECT_EQ(form.FocusedItem(), 3);
  form.Execute();
  EXPECT_EQ(c, 1);
}

// A page that moves the focus with its own key and keeps two bits of a group
// consistent before every event, as the wizard pages do.
class HookedPage : public DialogForm {
 public:
  HookedPage(Ui& ui, std::uint16_t& set) : DialogForm(ui, 3, 3, 76, 22, " Hak "), set_(set) {
    group_ = Add<CheckGroup>(make_label(2, 1, "Grupa"), 3, 2, ItemList{"jeden", "dwa", "trzy"}, set);
    Add<CheckBox>(nullptr, 3, 8, flag, "pole");
  }
  std::uint8_t flag = 0;

  void PreviewEvent(UiEvent& ev) override {
    if (!(set_ & 2) && (set_ & 4)) {
      set_ &= static_cast<std::uint16_t>(~4u);
      group_->Draw();
    }
    if (ev.is_key(platform::keys::function_key(2))) ev = command_event(CMD_FOCUS_ITEM, kFromForm, 2);
  }

 private:
  std::uint16_t& set_;
  CheckGroup* group_;
};

TEST(DialogForm, PageHookRedrawsAControlAndFocusesAnItem) {
  ScriptedUi sr(keys({"Down", "Space", "Down", "F2", "Space", "Esc"}));
  ScreenCapture capture(sr);
  std::uint16_t set = 0b110;
  HookedPage form(sr.ui(), set);
  EXPECT_EQ(form.Execute(), CMD_CANCEL);
  EXPECT_EQ(set, 0);
  EXPECT_EQ(form.flag, 1);
  // Before the third key the group still shows "trzy" ticked; the hook of
  // that key clears it on the screen too. The inside of the form starts at
  // screen column 4, row 4.
  EXPECT_EQ(capture.before_event(3).text(7, 6, 14), "[■] trzy ");
  EXPECT_EQ(capture.before_event(4).text(7, 6, 14), "[ ] trzy ");
  EXPECT_EQ(capture.before_event(4).text(6, 6, 14), "[ ] dwa  ");
  EXPECT_EQ(capture.before_event(1).text(4, 4, 10), " Grupa ");
}

TEST(DialogForm, DoneGivesTheScreenBack) {
  ScriptedUi sr(keys({"Esc"}));
  auto& ui = sr.ui();
  update_clock(ui);
  const auto before = test::snapshot_of(ui.console);
  {
    std::uint8_t flag = 0;
    Page form(ui);
    form.Add<CheckBox>(nullptr, 4, 2, flag, "a");
    form.SetStatusBar({{"F5", 0x3F00, CMD_OK}});
    form.Execute();
    EXPECT_NE(test::snapshot_of(ui.console).cells, before.cells);
  }
  EXPECT_EQ(test::snapshot_of(ui.console).cells, before.cells);
  EXPECT_EQ(ui.toolkit.status_bar, nullptr);
  EXPECT_EQ(ui.toolkit.current_form, nullptr);
}

}  // namespace
}  // namespace vx::ui
