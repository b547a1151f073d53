#include "history/run_report.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "charset/cp852.hpp"
#include "dialogue/dialogue.hpp"
#include "support/fixture.hpp"
#include "support/scripted_operator.hpp"

namespace vx::test {
namespace {

using dialogue::Outcome;
using dialogue::Tone;

history::ReportHeader header() {
  return {.started = {2018, 1, 5, 9, 30, 0},
          .version = "1.0.0",
          .source_root = "/17/",
          .target_root = "/18/",
          .choices = {{cp852("Standard polskich znaków").str(), cp852("Zachowaj standard PL").str()},
                      {cp852("Dane firmowe / bazę adresów lokalnych").str(), "nie"}}};
}

// The lines of a file written CR LF, after its UTF-8 mark; a bare LF fails.
std::vector<std::string> crlf_lines(const std::filesystem::path& file) {
  const Bytes bytes = read_file(file);
  std::string text(bytes.begin(), bytes.end());
  EXPECT_TRUE(text.starts_with("\xEF\xBB\xBF")) << file;
  text.erase(0, 3);
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const auto end = text.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "no CR LF at the end of " << file;
    if (end == std::string::npos) break;
    lines.push_back(text.substr(at, end - at));
    EXPECT_EQ(lines.back().find('\n'), std::string::npos) << lines.back();
    at = end + 2;
  }
  return lines;
}

// A run of three companies told through the dialogue, as the copies tell it.
TEST(RunReport, WritesEveryEventOfARunInWordsAndOneTableRowPerStep) {
  TempDir dir;
  ScriptedOperator op("BZN");
  dialogue::Dialogue talk(op);
  std::vector<std::string> told;
  const auto tell = [&](std::string_view t) { told.emplace_back(t); };
  history::RunReport report(dir_prefix(dir.path()), header(), tell);
  talk.watch(report);
  {
    const dialogue::Dialogue::Scope window(talk, dialogue::Area::kCopyWindow);
    talk.global_copy();
    talk.label(cp852("Globalna baza adresów"));
    talk.step({.source = "/17/#BIN970/baza_ad8.rek", .target = "/18/#BIN980/baza_ad8.rek",
               .records_read = 3, .records_written = 3, .bytes = 1440});
    talk.label("");
    // Said by the copy, told by its step: not a warning of its own.
    talk.line(cp852("Brak pliku źródłowego ") + "/17/#BIN970/OPERATOR.REK", Tone::kWarning);
    talk.step({.source = "/17/#BIN970/OPERATOR.REK", .target = "/18/#BIN980/OPERATOR.REK",
               .outcome = Outcome::kMissing});
  }
  {
    const dialogue::Dialogue::Scope window(talk, dialogue::Area::kCopyWindow);
    talk.company(cp852("Alfa; \"Ząb\""), "ALFA");
    talk.label(cp852("Dane wprowadzone do WEX:"));
    talk.step({.source = "/17/ALFA/2018K880.1", .target = "/18/ALFA/2018K880.1", .records_read = 1500,
               .records_written = 1498, .bytes = 599200});
    // A question's lines are its own; the echo of the answer is no error.
    talk.line(cp852("Występują dane ROCZNE za rok 2017 i 2018 !"), Tone::kError);
    talk.choose(dialogue::Choice::kAnnualSource, Tone::kError, "(B/N/A) ?  ", "BNA");
    talk.line(cp852(" - wybrano: B"), Tone::kError);
    talk.line("");
    talk.line(cp852("Stwierdzono obecność pliku ") + "/18/ALFA/BAZA_AD8.REK", Tone::kError);
    talk.line(" W-wykonaj kopiownie  ", Tone::kWarning);
    talk.write(" Z-zostaw plik ? ", Tone::kWarning);
    talk.choose(dialogue::Choice::kOverwrite, Tone::kKeyHint, "  Z(n)/W(a)  ", "AWNZ");
    talk.line("");
    talk.step({.label = cp852("Baza adresów").str(), .source = "/17/ALFA/baza_ad8.rek",
               .target = "/18/ALFA/BAZA_AD8.REK", .outcome = Outcome::kKept});
    talk.write("osoba : NOWAK ADAM");
    talk.choose(dialogue::Choice::kPerson, Tone::kPrompt, cp852(" Przenieść T/N /W  ? "), "TNW");
    talk.line("");
    talk.left_out(cp852("osoba"), cp852("NOWAK ADAM"));
    talk.line(cp852("Nie zatwierdzono miesiąca GRUDNIA.2017"), Tone::kWarning);
    talk.balances(1234567.891, -1234.5);
    talk.line("Kopiowanie");
    talk.failure(cp852("Błąd zapisu danych"));
    talk.step({.source = "/17/ALFA/ST.REK", .target = "/18/ALFA/ST.REK", .outcome = Outcome::kFailed,
               .records_read = 4, .records_written = 2, .message = cp852("Błąd zapisu danych").str()});
    talk.failure(cp852("Ścieżka poza katalogiem danych: ") + "/17/ALFA/../x.cel");
    talk.step({.source = "/17/ALFA/../x.cel", .target = "/18/ALFA/x.cel", .outcome = Outcome::kRefused});
    talk.failure(cp852("Błąd utworzenia folderu ") + "/18/ALFA/ST");
    talk.company_done(true);

    talk.company("Beta", "BETA");
    talk.step({.label = "Notatnik", .source = "/17/BETA/Notatnik.txt", .target = "/18/BETA/Notatnik.txt",
               .bytes = 1234});
    talk.company_done(true);

    talk.company("Gamma", "GAMMA");
    talk.line(cp852("Odnaleziono katalog docelowy GAMMA dla firmy Gamma"), Tone::kWarning);
    talk.company_done(false);
  }
  report.finish();
  EXPECT_TRUE(told.empty());
  EXPECT_TRUE(report.sound());

  const auto text = crlf_lines(dir / "raport.txt");
  const std::vector<std::string> expected = {
      "RAPORT PRZENIESIENIA DANYCH WEX_VX Z ROKU 2017 NA ROK 2018",
      "Data i godzina: 2018-01-05 09:30:00",
      "Wersja programu: 1.0.0",
      "Dane roku 2017: /17/",
      "Dane roku 2018: /18/",
      "Wybory kreatora:",
      "  Standard polskich znaków: Zachowaj standard PL",
      "  Dane firmowe / bazę adresów lokalnych: nie",
      "",
      "DANE GLOBALNE",
      "  Globalna baza adresów: skopiowany (rekordy: odczytane 3, zapisane 3, odrzucone 0; bajty: 1440)",
      "      /17/#BIN970/baza_ad8.rek -> /18/#BIN980/baza_ad8.rek",
      "  OPERATOR.REK: brak pliku źródłowego",
      "      /17/#BIN970/OPERATOR.REK -> /18/#BIN980/OPERATOR.REK",
      "",
      "FIRMA: Alfa; \"Ząb\" (katalog ALFA)",
      "  Dane wprowadzone do WEX: skopiowany (rekordy: odczytane 1500, zapisane 1498, odrzucone 2; "
      "bajty: 599200)",
      "      /17/ALFA/2018K880.1 -> /18/ALFA/2018K880.1",
      "  Baza adresów: pozostawiony (odpowiedź operatora)",
      "      /17/ALFA/baza_ad8.rek -> /18/ALFA/BAZA_AD8.REK",
      "  Dane wprowadzone do WEX: błąd: Błąd zapisu danych",
      "      /17/ALFA/ST.REK -> /18/ALFA/ST.REK",
      "  Dane wprowadzone do WEX: odmowa: ścieżka poza drzewem",
      "      /17/ALFA/../x.cel -> /18/ALFA/x.cel",
      "  Odpowiedzi operatora:",
      "    Występują dane ROCZNE za rok 2017 i 2018 !; (B/N/A) ? — odpowiedź: B",
      "    Stwierdzono obecność pliku /18/ALFA/BAZA_AD8.REK; Z(n)/W(a) — odpowiedź: Z",
      "    osoba : NOWAK ADAM; Przenieść T/N /W ? — odpowiedź: N",
      "  Pominięci przez filtry:",
      "    osoba: NOWAK ADAM",
      "  BZ.2017: 1 234 567,89",
      "  BO.2018: -1 234,50",
      "  Ostrzeżenia:",
      "    Nie zatwierdzono miesiąca GRUDNIA.2017",
      "  Błędy:",
      "    Błąd utworzenia folderu /18/ALFA/ST",
      "  Wynik: przeniesiona z błędami",
      "",
      "FIRMA: Beta (katalog BETA)",
      "  Notatnik: skopiowany (bajty: 1234)",
      "      /17/BETA/Notatnik.txt -> /18/BETA/Notatnik.txt",
      "  Wynik: przeniesiona",
      "",
      "FIRMA: Gamma (katalog GAMMA)",
      "  Ostrzeżenia:",
      "    Odnaleziono katalog docelowy GAMMA dla firmy Gamma",
      "  Wynik: nie przeniesiona (pominięta)",
      "",
      "PODSUMOWANIE",
      "  Firmy przeniesione: 1",
      "  Firmy przeniesione z błędami: 1",
      "  Firmy pominięte: 1",
      "  Pliki zapisane: 3",
      "  Bajty zapisane: 601874",
  };
  ASSERT_EQ(text.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(text[i], expected[i]) << "line " << i + 1;
  EXPECT_TRUE(text.back().starts_with("  Czas pracy: 0:00:")) << text.back();

  const auto table = crlf_lines(dir / "raport.csv");
  ASSERT_EQ(table.size(), 8u);
  EXPECT_EQ(table[0], "Firma;Katalog;Krok;Źródło;Cel;Wynik;Rekordy odczytane;Rekordy zapisane;"
                      "Rekordy odrzucone;Bajty;Komunikat");
  EXPECT_EQ(table[1], ";;Globalna baza adresów;/17/#BIN970/baza_ad8.rek;/18/#BIN980/baza_ad8.rek;"
                      "skopiowany;3;3;0;1440;");
  EXPECT_EQ(table[2], ";;OPERATOR.REK;/17/#BIN970/OPERATOR.REK;/18/#BIN980/OPERATOR.REK;brak;0;0;0;0;");
  EXPECT_EQ(table[5], "\"Alfa; \"\"Ząb\"\"\";ALFA;Dane wprowadzone do WEX;/17/ALFA/ST.REK;/18/ALFA/ST.REK;"
                      "blad;4;2;2;0;Błąd zapisu danych");
  const std::pair<std::size_t, std::string> codes[] = {
      {3, ";skopiowany;1500;1498;2;599200;"}, {4, ";pozostawiony;"}, {6, ";odmowa;"}, {7, ";skopiowany;"}};
  for (const auto& [row, code] : codes) EXPECT_NE(table[row].find(code), std::string::npos) << table[row];

  EXPECT_EQ(report.summary_line(),
            cp852("Firm przeniesionych: 1, z błędami: 1, pominiętych: 1; plików: 3").str());
  EXPECT_EQ(report.report_file(), dir_prefix(dir.path()) + "raport.txt");
}

TEST(RunReport, AReportThatCannotBeWrittenIsSaidOnceAndStillCounts) {
  TempDir dir;
  std::vector<std::string> told;
  const auto tell = [&](std::string_view t) { told.emplace_back(t); };
  history::RunReport report(dir_prefix(dir / "gone"), header(), tell);
  report.global_copy();
  report.step({.source = "/17/a", .target = "/18/a", .bytes = 5});
  report.company("Alfa", "ALFA");
  report.company_done(true);
  report.finish();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(told[0].ends_with(dir_prefix(dir / "gone") + "raport.txt")) << told[0];
  EXPECT_FALSE(report.sound());
  EXPECT_EQ(report.summary_line(),
            cp852("Firm przeniesionych: 1, z błędami: 0, pominiętych: 0; plików: 1").str());
}

}  // namespace
}  // namespace vx::test
