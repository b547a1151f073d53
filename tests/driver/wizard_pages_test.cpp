#include "driver/wizard.hpp"

#include <gtest/gtest.h>

#include "driver/program_flow.hpp"
#include "page_view.hpp"
#include "roots_fixture.hpp"
#include "support/scripted_run.hpp"
#include "ui/screen_capture.hpp"

namespace vx::driver {
namespace {

using test::expect_page;
using test::keys;
using test::ScreenCapture;
using test::ScriptedRun;

constexpr std::uint8_t kFocusedLabel = 0x0E;
const std::string kShadow = "▀▀▀▀▀▀▀▀▀▀▀▀▀";  // under a 14-wide button

std::string mark(bool on) { return on ? "[■] " : "[ ] "; }

// Shows page n until Esc and returns the screen it showed.
test::Snapshot shown_page(ScriptedRun& sr, int n) {
  ScreenCapture capture(sr);
  auto page = make_page(sr.run(), n);
  EXPECT_EQ(page->Execute(), cmCancel);
  return capture.before_event(1);
}

TEST(WizardPages, LocationPageLayout) {
  ScriptedRun sr(keys({"Esc"}));
  auto& run = sr.run();
  run.loc.source_root = "/dane/WEX_2017/";
  run.loc.target_root = "/dane/WEX_2018/";
  const auto s = shown_page(sr, 1);
  EXPECT_NE(test::page_title_row(s).find("═ Lokalizacja ═"), std::string::npos);
  EXPECT_EQ(s.text(3, 3, 3), "╔");
  EXPECT_EQ(s.text(24, 78, 78), "╝");
  expect_page(s, {
      {3, 3, "katalogu źrodłowy:"},
      {22, 3, "tam gdzie jest plik SPISFIRM.DAT"},
      {4, 4, "/dane/WEX_2017/" + std::string(35, ' ')},
      {3, 6, "lokalizacja docelowa:"},
      {4, 7, "/dane/WEX_2018/" + std::string(35, ' ')},
      {4, 9, "Standard polskich znaków :"},
      {4, 10, "(•) Zachowaj standard PL z poprzedniego roku (domyślnie)"},
      {4, 11, "( ) Zmien standard danych z PL=MAZ na PL=852 (jeżeli wiesz o co chodzi)║"},
      {4, 14, "Dodatkowe opcje:"},
      // One column too long for the window: cut at the frame.
      {5, 15, "[■] informuj o nie zamkniętym grudniu i związanymi z tym konsekwencjam║"},
      {5, 16, "[ ] pokazuj powoli szczegóły konwersji"},
      {5, 17, "[ ] Zasłoń(~) w 2017 przekonwertowane pliki 2018K880.mm i 2018SP.nn"},
      {14, 19, std::string(14, ' ')},
      {34, 19, "  Poniechaj  ▄"},
      {35, 20, kShadow},
      {54, 19, "  Dalej >>   ▄"},
      {55, 20, kShadow},
  });
  EXPECT_EQ(test::page_attr(s, 22, 3), 0x07);
  // The fields show 50 columns.
  EXPECT_EQ(test::page_attr(s, 53, 4), test::page_attr(s, 4, 4));
  EXPECT_NE(test::page_attr(s, 54, 4), test::page_attr(s, 4, 4));
  EXPECT_EQ(test::page_attr(s, 3, 3), kFocusedLabel);  // the source field has the keyboard
  EXPECT_EQ(s.row(25), "PgDn-Dalej│");
}

TEST(WizardPages, HintNamesTheRegisterGivenAtStart) {
  ScriptedRun sr(keys({"Esc"}));
  sr.run().env.register_file_name = "FIRMY.DAT";
  const auto s = shown_page(sr, 1);
  expect_page(s, {{22, 3, "tam gdzie jest plik FIRMY.DAT "}});
}

TEST(WizardPages, GlobalPageLayoutInBitOrder) {
  ScriptedRun sr(keys({"Esc"}));
  const auto s = shown_page(sr, 2);
  EXPECT_NE(test::page_title_row(s).find("═ Dane globalne, konfiguracyjne ═"), std::string::npos);
  const char* const items[] = {
      "Globalnę bazę adresów", "Bazę Urzędów Skarbowych", "Bazę stałych F1..F10",
      "Dane BIURA do wystawienia rachunków", "Dane konfiguracji DLL z WEX_VX.INI",
      "Stałe podatkowe na 2017 rok", "Ustawienia składników wynagrodzeń", "Ustawienia kolorów",
      "Ustawienia wex_2017.ini -> wex_2018.ini", "Plik \"OPERATOR.REK\"",
      "Plik \"ZUS_PEL.INI\",\"UMOWY.INI\""};
  expect_page(s, {{3, 3, "Zaznaczam do kopiowania :"}});
  for (int bit = 0; bit < 11; ++bit)
    expect_page(s, {{4, 4 + bit, mark((0x06D7 >> bit) & 1) + items[bit]}});
  expect_page(s, {{4, 15, std::string(40, ' ')},
                  {14, 19, "  << Wstecz  ▄"},
                  {34, 19, "  Poniechaj  ▄"},
                  {54, 19, "  Dalej >>   ▄"}});
  EXPECT_EQ(s.row(25), "PgUp-Wstecz│PgDn-Dalej│");
}

TEST(WizardPages, CompanyPageLayoutInBitOrder) {
  ScriptedRun sr(keys({"Esc"}));
  sr.run().options.addon_items = 0xFFFD;
  const auto s = shown_page(sr, 3);
  EXPECT_NE(test::page_title_row(s).find("═ Dane firmowe  ═"), std::string::npos);
  const char* const items[] = {
      "dane tekstowe firmy", "dane pracowników, właścicieli *)", "dane rodzin ww                *)",
      "dane do PIT-D  **)", "bazę adresów lokalnych", "bazę automatów sprzedaży",
      "bazę automatów zakupów", "bazę stalych F1..F10, Notatnik", "baze przekazów pieniężnych",
      "ustawienia składnikow wynagrodzeń", "Dane ZUS-PEL ZUS_PEL.INI",
      "środki trwałe umożone jednorazowo", "ustawienia danych na przelewach",
      "bazę dowodów wewnętrznych", "bazę wystawionych odsetek", "listę pojazdów na cele VAT"};
  expect_page(s, {{2, 1, "Zaznaczam do kopiowania :"}});
  for (int bit = 0; bit < 16; ++bit) expect_page(s, {{3, 2 + bit, mark(true) + items[bit]}});
  expect_page(s, {
      {41, 1, "*) Dane - przenieś :"},
      {42, 2, "(•) wszystkich"},
      {42, 3, "( ) zatrudnionych na 31.12.2017"},
      {42, 4, "( ) pytaj sie o każdego"},
      {41, 5, "**) z PID-5 - przenieś :"},
      {42, 6, "(•) wszystkich"},
      {42, 7, "( ) pytaj sie o każdego"},
      {41, 8, "Wprowadzone już w 2018 roku "},
      {42, 9, "[■] dokumenty księgowe"},
      {42, 10, "[■] wynagrodzenia pracowników"},
      {42, 11, "[■] umowy zlecenia"},
      {42, 12, "[■] noty księgowe"},
      {42, 13, "[■] Deklaracje DRA"},
      {41, 14, "Programy \"DLL\""},
      {42, 15, "[■] ST 140/150 \"Kolmo/vx\""},
      {42, 16, "[ ] KM 140 \"Kolmo\""},
      {42, 17, "[■] KM 150 \"vx\""},
      {14, 19, "  << Wstecz  ▄"},
      {34, 19, "  Poniechaj  ▄"},
      {54, 19, "  Dalej >>   ▄"},
  });
  EXPECT_EQ(s.row(25), "PgUp-Wstecz│PgDn-Dalej│");
}

TEST(WizardPages, StartPageLayout) {
  ScriptedRun sr(keys({"Esc"}));
  const auto s = shown_page(sr, 4);
  EXPECT_NE(test::page_title_row(s).find("═ START KOPIOWANIA ═"), std::string::npos);
  expect_page(s, {
      {3, 3, "Co pokopiowac :"},
      {4, 4, "[■] Dane Globalne z #BIN970 (tylko z 880 .. 960) do #BIN980"},
      {4, 5, "[■] Dane pózniej wskazanych firm"},
      {3, 7, "Wykonanie kopiowania"},
      {4, 8, "[ ] Zatrzymywac akcje co firme"},
      // 14 x 3: two rows of face, then the shadow.
      {14, 12, "   ZACZNIJ   ▄"},
      {14, 13, "             █"},
      {15, 14, kShadow},
      {14, 19, "  << Wstecz  ▄"},
      {34, 19, "  Poniechaj  ▄"},
      {54, 19, std::string(14, ' ')},
  });
  EXPECT_EQ(s.row(25), "PgUp-Wstecz│F5-ZACZNIJ│");
}

TEST(WizardPages, LocationPageBindsItsOptions) {
  // Source field, target field, standard, the three boxes.
  ScriptedRun sr(keys({"Tab", "Tab", "Down", "Space", "Tab", "Space", "Tab", "Space", "Tab", "x",
                       "Esc"}));
  auto& run = sr.run();
  auto page = make_page(run, 1);
  EXPECT_EQ(page->Execute(), cmCancel);
  EXPECT_EQ(run.cs.charset_mode, 1);
  EXPECT_EQ(run.options.warn_open_december, 0);
  EXPECT_EQ(run.options.show_slowly, 1);
  EXPECT_EQ(run.options.hide_converted, 1);
}

TEST(WizardPages, GroupItemsAreTheBitsFromZero) {
  {
    ScriptedRun sr(keys({"Down", "Down", "Down", "Space", "Down", "0", "Esc"}));
    auto page = make_page(sr.run(), 2);
    page->Execute();
    EXPECT_EQ(sr.run().options.global_items, 0x06CF);  // bit 3 set, bit 4 cleared
  }
  {
    std::vector<std::string_view> k(15, "Down");
    k.push_back("Space");
    std::string script;
    for (auto x : k) script += std::string(x) + "\n";
    ScriptedRun sr(script + keys({"Tab", "Down", "Down", "Space", "Tab", "Down", "Space", "Tab",
                                  "Down", "Down", "Down", "Down", "0", "Tab", "Down", "Space", "Esc"}));
    auto& o = sr.run().options;
    auto page = make_page(sr.run(), 3);
    page->Execute();
    EXPECT_EQ(o.company_items, 0x7FFF);
    EXPECT_EQ(o.person_scope, 2);
    EXPECT_EQ(o.pit_scope, 1);
    EXPECT_EQ(o.entered_2018_items, 0xFFEF);
    EXPECT_EQ(o.addon_items, 0xFFFF);
  }
}

TEST(WizardPages, StartPageOpensOnTheStopCheckBox) {
  ScriptedRun sr(keys({"Space", "Esc"}));
  auto& o = sr.run().options;
  auto page = make_page(sr.run(), 4);
  EXPECT_EQ(page->Execute(), cmCancel);
  EXPECT_EQ(o.stop_per_company, 1);
  EXPECT_EQ(o.copy_scope, 0xFFFF);
  EXPECT_EQ(o.source_version, "#BIN970");
}

TEST(WizardPages, StartPageRowReadsOnAfterTheScopeGroupIsRedrawn) {
  // To the field, to the group (drawn lit), back to the field.
  ScriptedRun sr(keys({"S-Tab", "S-Tab", "Space", "Tab", "Esc"}));
  ScreenCapture capture(sr);
  auto page = make_page(sr.run(), 4);
  page->Execute();
  for (int shot : {3, 4, 5}) {
    const std::string box = shot == 3 ? "[■]" : "[ ]";  // Space came as the 3rd key
    expect_page(capture.before_event(shot),
                {{4, 4, box + " Dane Globalne z #BIN970 (tylko z 880 .. 960) do #BIN980"}});
  }
  EXPECT_EQ(sr.run().options.copy_scope, 0xFFFE);
}

TEST(WizardPages, SourceVersionTakesSevenCharacters) {
  ScriptedRun sr(keys({"S-Tab", "C-Y", "text #BIN9601234", "Esc"}));
  auto page = make_page(sr.run(), 4);
  page->Execute();
  EXPECT_EQ(sr.run().options.source_version, "#BIN960");
  const auto out = sr.output();
  int beeps = 0;
  for (auto at = out.find("--- beep 3000"); at != std::string::npos; at = out.find("--- beep 3000", at + 1))
    ++beeps;
  EXPECT_EQ(beeps, 4);
}

TEST(WizardPages, ClearingEmployeesClearsFamiliesAtTheNextEvent) {
  // Item 2 is employees, item 3 families.
  ScriptedRun sr(keys({"Down", "Space", "Down", "Esc"}));
  ScreenCapture capture(sr);
  auto& items = sr.run().options.company_items;
  auto page = make_page(sr.run(), 3);
  page->Execute();
  const auto families = [&](int shot) {
    return test::page_text(capture.before_event(shot), 3, 4, "[■]");
  };
  EXPECT_EQ(families(3), "[■]");  // employees just cleared
  EXPECT_EQ(families(4), "[ ]");  // the next key came
  EXPECT_EQ(items, 0xFFF9);
}

TEST(WizardPages, FamiliesAloneAreUndoneAtTheNextEvent) {
  ScriptedRun sr(keys({"Down", "Down", "Space", "Esc"}));
  auto& items = sr.run().options.company_items;
  items = 0xFFF9;
  auto page = make_page(sr.run(), 3);
  EXPECT_EQ(page->Execute(), cmCancel);
  EXPECT_EQ(items, 0xFFF9);  // even Esc is an event
  // With employees, families stay as set.
  ScriptedRun sr2(keys({"Down", "Space", "Down", "Space", "Esc"}));
  auto& items2 = sr2.run().options.company_items;
  items2 = 0xFFF9;
  auto page2 = make_page(sr2.run(), 3);
  page2->Execute();
  EXPECT_EQ(items2, 0xFFFF);
}

}  // namespace
}  // namespace vx::driver
