#include <gtest/gtest.h>

#include <functional>

#include "platform/filesystem.hpp"
#include "driver/data_locations.hpp"
#include "driver/program_flow.hpp"
#include "driver/wizard.hpp"
#include "page_view.hpp"
#include "roots_fixture.hpp"
#include "support/scripted_run.hpp"
#include "ui/event.hpp"

namespace vx::driver {
namespace {

using test::keys;
using test::ScreenCapture;
using test::ScriptedRun;
using test::Snapshot;

const char* const kTitles[] = {"", "═ Lokalizacja ═", "═ Dane globalne, konfiguracyjne ═",
                               "═ Dane firmowe  ═", "═ START KOPIOWANIA ═"};
const std::string kQuitQuestion = "Rezygnujesz z konwersji danych na nowy rok ?";

bool shows_page(const Snapshot& s, int page) {
  return test::page_title_row(s).find(kTitles[page]) != std::string::npos;
}
// The question box at column 10, row 10: its line at row 11 from column 12.
bool shows_quit_question(const Snapshot& s) { return s.text(11, 12, 55) == kQuitQuestion; }
bool shows_text(const Snapshot& s, const std::string& text) {
  for (int r = 1; r <= 25; ++r)
    if (s.row(r).find(text) != std::string::npos) return true;
  return false;
}

std::string script(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\n";
  return s;
}

TEST(WizardLoop, EscOnEveryPageAsksAndNoKeepsThePageAndItsOptions) {
  struct Case {
    int page;
    std::vector<std::string> change;
    std::function<bool(const vx::Session&)> changed;
  };
  const Case cases[] = {
      {1, {"Tab", "Tab", "Down", "Space"}, [](const vx::Session& r) { return r.cs.charset_mode == 1; }},
      {2, {"Space"}, [](const vx::Session& r) { return r.options.global_items == 0x06D6; }},
      {3, {"Space"}, [](const vx::Session& r) { return r.options.company_items == 0xFFFE; }},
      {4, {"Space"}, [](const vx::Session& r) { return r.options.stop_per_company == 1; }},
  };
  for (const auto& c : cases) {
    std::vector<std::string> k(static_cast<std::size_t>(c.page - 1), "PgDn");
    k.insert(k.end(), c.change.begin(), c.change.end());
    const int esc = static_cast<int>(k.size()) + 1;
    // N, then Enter on the question (no is the default), then T.
    k.insert(k.end(), {"Esc", "n", "Esc", "Enter", "Esc", "t"});
    test::Roots roots;
    ScriptedRun sr(script(k));
    ScreenCapture capture(sr);
    roots.apply(sr.run());
    EXPECT_FALSE(run_wizard(sr.run())) << c.page;
    EXPECT_TRUE(c.changed(sr.run())) << c.page;
    for (int question : {esc + 1, esc + 3, esc + 5})
      EXPECT_TRUE(shows_quit_question(capture.before_event(question))) << c.page;
    for (int again : {esc + 2, esc + 4})
      EXPECT_TRUE(shows_page(capture.before_event(again), c.page)) << c.page;
    EXPECT_EQ(static_cast<int>(capture.shots().size()), esc + 5);
  }
}

TEST(WizardLoop, QuitQuestionStartsOnNo) {
  test::Roots roots;
  ScriptedRun sr(keys({"Esc", "Enter", "Esc", "t"}));
  ScreenCapture capture(sr);
  roots.apply(sr.run());
  EXPECT_FALSE(run_wizard(sr.run()));
  const auto& s = capture.before_event(2);
  // "T a k" on row 13, "N i e" on row 14, the current answer lit.
  EXPECT_EQ(s.text(13, 11, 16), " T a k");
  EXPECT_EQ(s.text(14, 11, 16), " N i e");
  EXPECT_EQ(s.at(14, 14).attr, 0x70);
  EXPECT_NE(s.at(14, 13).attr, 0x70);
}

TEST(WizardLoop, PgUpOnTheFirstPageAndPgDnOnTheLastDoNothing) {
  test::Roots roots;
  ScriptedRun sr(keys({"PgUp", "PgDn", "PgDn", "PgDn", "PgDn", "F5"}));
  ScreenCapture capture(sr);
  roots.apply(sr.run());
  EXPECT_TRUE(run_wizard(sr.run()));
  EXPECT_TRUE(shows_page(capture.before_event(2), 1));
  EXPECT_TRUE(shows_page(capture.before_event(5), 4));
  EXPECT_TRUE(shows_page(capture.before_event(6), 4));
  const Options defaults;
  const Options& o = sr.run().options;
  EXPECT_EQ(o.global_items, defaults.global_items);
  EXPECT_EQ(o.copy_scope, defaults.copy_scope);
  EXPECT_EQ(o.source_version, defaults.source_version);

  // PgUp on the first page does not even check the locations.
  ScriptedRun bad(keys({"PgUp", "Esc", "t"}));
  ScreenCapture bad_capture(bad);
  bad.run().loc.source_root = roots.target;  // no register there
  bad.run().loc.target_root = roots.source;
  EXPECT_FALSE(run_wizard(bad.run()));
  EXPECT_TRUE(shows_page(bad_capture.before_event(2), 1));
  for (const auto& s : bad_capture.shots()) EXPECT_FALSE(shows_text(s, "Brak pliku"));
}

TEST(WizardLoop, SourceWithoutRegisterCanOnlyBeCancelled) {
  test::Roots roots;
  // To "Dalej >>" and press it; the box; PgDn; the box; Esc and quit.
  ScriptedRun sr(keys({"S-Tab", "Enter", "Enter", "PgDn", "Enter", "Esc", "t"}));
  ScreenCapture capture(sr);
  auto& run = sr.run();
  run.loc.source_root = roots.target;
  run.loc.target_root = roots.source;
  EXPECT_FALSE(run_wizard(run));
  EXPECT_TRUE(shows_text(capture.before_event(3), "Brak pliku SPISFIRM.DAT"));
  EXPECT_TRUE(shows_text(capture.before_event(5), "Brak pliku SPISFIRM.DAT"));
  for (int on_page : {4, 6}) {
    const auto& s = capture.before_event(on_page);
    EXPECT_TRUE(shows_page(s, 1));
    EXPECT_FALSE(shows_text(s, "Brak pliku"));
    EXPECT_EQ(test::page_attr(s, 3, 3), 0x0E);  // the source field has the keyboard
  }
  EXPECT_TRUE(shows_quit_question(capture.before_event(7)));
}

TEST(WizardLoop, LocationPageChecksOnBackToo) {
  test::Roots roots;
  ScriptedRun sr(keys({"Enter"}));
  ScreenCapture capture(sr);
  auto& run = sr.run();
  run.loc.source_root = roots.target;
  run.loc.target_root = roots.source;
  auto page = make_page(run, 1);
  page->FocusItem(2);
  auto back = ui::command_event(cmBack, ui::kFromForm);
  page->HandleEvent(back);
  ASSERT_EQ(capture.shots().size(), 1u);
  EXPECT_TRUE(shows_text(capture.before_event(1), "Brak pliku SPISFIRM.DAT"));
  EXPECT_EQ(page->FocusedItem(), 1);
  auto cancel = ui::command_event(cmCancel, ui::kFromForm);
  page->HandleEvent(cancel);
  EXPECT_EQ(capture.shots().size(), 1u);  // no check on cancel
}

TEST(WizardLoop, LongLocationFromThePathFileIsKeptWhole) {
  test::Roots roots;
  const std::string deep = (roots.dir / std::string(70, 'd')).string();
  test::write_file(std::filesystem::path(deep) / "SPISFIRM.DAT", std::string(103, 'x'));
  test::write_file(roots.dir / "vx17-18.PTH", "WEX_2017=" + deep + "\r\nWEX_2018=" + roots.target + "\r\n");
  ScriptedRun sr(keys({"PgDn", "PgUp", "PgDn", "Esc", "t"}));
  ScreenCapture capture(sr);
  auto& run = sr.run();
  ASSERT_TRUE(apply_path_file(run, (roots.dir / "vx17-18.PTH").string()));
  const std::string source = deep + platform::kSeparator;
  ASSERT_GT(source.size(), 50u);
  EXPECT_FALSE(run_wizard(run));
  EXPECT_EQ(run.loc.source_root, source);
  EXPECT_TRUE(shows_page(capture.before_event(2), 2));
  EXPECT_TRUE(shows_page(capture.before_event(4), 2));
  // The field shows the first 50 characters.
  const auto& page1 = capture.before_event(3);
  EXPECT_EQ(test::page_text(page1, 4, 4, source.substr(0, 50)), source.substr(0, 50));
  EXPECT_NE(test::page_attr(page1, 54, 4), test::page_attr(page1, 53, 4));
}

TEST(WizardLoop, CompanyPageValuesSurvivePaging) {
  test::Roots roots;
  ScriptedRun sr(keys({"PgDn", "PgDn", "Space", "Tab", "Down", "Down", "Space", "PgUp", "PgDn",
                       "Esc", "t"}));
  ScreenCapture capture(sr);
  roots.apply(sr.run());
  EXPECT_FALSE(run_wizard(sr.run()));
  EXPECT_TRUE(shows_page(capture.before_event(9), 2));
  const auto& s = capture.before_event(10);
  ASSERT_TRUE(shows_page(s, 3));
  test::expect_page(s, {{3, 2, "[ ] dane tekstowe firmy"},
                        {42, 2, "( ) wszystkich"},
                        {42, 4, "(•) pytaj sie o każdego"}});
  EXPECT_EQ(sr.run().options.company_items, 0xFFFE);
  EXPECT_EQ(sr.run().options.person_scope, 2);
}

TEST(WizardLoop, StartAndBackButtonsByTheirLetters) {
  test::Roots roots;
  ScriptedRun sr(keys({"PgDn", "PgDn", "PgDn", "<", "PgDn", "z"}));
  ScreenCapture capture(sr);
  roots.apply(sr.run());
  EXPECT_TRUE(run_wizard(sr.run()));
  EXPECT_TRUE(shows_page(capture.before_event(5), 3));
  EXPECT_TRUE(shows_page(capture.before_event(6), 4));
}

}  // namespace
}  // namespace vx::driver
