#include "driver/global_copy.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/fixture.hpp"
#include "support/scripted_run.hpp"
#include "charset/utf8.hpp"
#include "ui/text_output.hpp"

namespace vx::driver {
namespace {

using test::read_file;
using test::ScriptedRun;
using test::TempDir;
using test::write_file;

struct Trees {
  TempDir dir;
  std::filesystem::path bin970 = dir / "17" / "#BIN970";
  std::filesystem::path bin980 = dir / "18" / "#BIN980";
  Trees() { std::filesystem::create_directories(dir / "18"); }
  void apply(Session& run) const {
    run.loc.source_root = test::dir_prefix(dir / "17");
    run.loc.target_root = test::dir_prefix(dir / "18");
  }
};

std::vector<std::string> lines_of(const std::string& transcript) {
  std::vector<std::string> lines;
  std::istringstream in(transcript);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

// Every global item ticked, each source a one-line file, and the stop after
// the copy answered with one key.
void copy_every_item_with_stop(Trees& t, ScriptedRun& sr) {
  for (const char* name : {"baza_ad8.rek", "wex_2017.ini", "baza_us8.rek", "baza_ff.txt", "2017_BR.REK",
                           "WEX_VX.INI", "2017spd.ini", "2017_lp.cc", "KOLORY.VX", "OPERATOR.REK",
                           "ZUS_PEL.INI", "UMOWY.INI"})
    write_file(t.bin970 / name, std::string("x=1\r\n"));
  auto& run = sr.run();
  t.apply(run);
  run.options.global_items = 0x07FF;
  run.options.stop_per_company = 1;
  copy_global_data(run);
}

TEST(GlobalCopyItems, HeadingsInTheirOrderThenTheStop) {
  Trees t;
  ScriptedRun sr("x\n");
  auto& run = sr.run();
  copy_every_item_with_stop(t, sr);

  std::vector<std::string> headings;
  const std::vector<std::string> expected = {
      "Globalna baza adresów", "Konfigurator wex_2017.ini", "Baza urzedów skarbowych",
      "Globale stale klawiszy F2..F10", "Dane biura do FRV", "Konfigurator WEX_VX.INI",
      "Zeszloroczne stale podatkowe", "Globale ustawienia wynagrodzen", "Ustawienia kolorów"};
  const auto lines = lines_of(sr.transcript());
  for (const auto& l : lines)
    if (std::find(expected.begin(), expected.end(), l) != expected.end()) headings.push_back(l);
  EXPECT_EQ(headings, expected);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "cdn - nacisnij dowolny klawisz.");
  EXPECT_EQ(sr.console().screens_shown(), 1);  // the stop took its key
  // The copy window is cleared and the whole screen given back.
  EXPECT_EQ(run.out.window(), ui::kFullScreen);
  for (int r = 3; r <= 20; ++r) EXPECT_EQ(sr.row(r), "") << r;
  EXPECT_EQ(read_file(t.bin980 / "wex_2018.ini"), test::as_bytes("x=1\r\n"));
}

// Rows of the screen the scripted console printed when the program first
// waited for a key.
std::vector<std::string> first_screen(const std::string& output) {
  std::vector<std::string> rows;
  std::istringstream in(output.substr(output.find("--- screen 1 ---")));
  std::string l;
  std::getline(in, l);
  for (int r = 0; r < 25 && std::getline(in, l); ++r) rows.push_back(l);
  return rows;
}

TEST(GlobalCopyItems, PrintsOnlyItsLinesInAWindowThatClearsWhenFull) {
  Trees t;
  ScriptedRun sr("x\n");
  copy_every_item_with_stop(t, sr);

  const std::string src = test::dir_prefix(t.dir / "17" / "#BIN970");
  auto records = [&](const char* name) { return "Kopiuje " + src + name + "  0 pozycji ..."; };
  auto bytes = [&](const char* name) { return "Kopiuję " + src + name + "  5 bytów..."; };
  const std::vector<std::string> expected = {
      "Globalna baza adresów", records("baza_ad8.rek"),
      "Konfigurator wex_2017.ini", "Kopiuję plik " + src + "wex_2017.ini",
      "Baza urzedów skarbowych", records("baza_us8.rek"),
      "Globale stale klawiszy F2..F10", bytes("baza_ff.txt"),
      "Dane biura do FRV", records("2017_BR.REK"),
      "Konfigurator WEX_VX.INI", bytes("WEX_VX.INI"),
      "Zeszloroczne stale podatkowe", bytes("2017spd.ini"),
      // No 2018 wage file in the old tree: nothing is said of it.
      "Globale ustawienia wynagrodzen", bytes("2017_lp.cc"),
      "Ustawienia kolorów", bytes("KOLORY.VX"),
      records("OPERATOR.REK"), bytes("ZUS_PEL.INI"), bytes("UMOWY.INI"),
      "cdn - nacisnij dowolny klawisz."};
  EXPECT_EQ(lines_of(sr.transcript()), expected);

  // The copy window (rows 3..20) takes 16 lines before it is cleared: the
  // stop shows lines 17 to 22 from row 3, column 3, and nothing below them.
  const auto rows = first_screen(sr.output());
  ASSERT_EQ(rows.size(), 25u);
  auto shown = [](const std::string& line) {
    const auto cells = charset::utf8_to_cp852(line);
    return "  " + charset::cp852_to_utf8(cells.substr(0, std::min<std::size_t>(cells.size(), 75)));
  };
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(rows[static_cast<std::size_t>(2 + i)], shown(expected[static_cast<std::size_t>(16 + i)]));
  for (int r = 9; r <= 20; ++r) EXPECT_EQ(rows[static_cast<std::size_t>(r - 1)], "") << r;
}

TEST(GlobalCopyItems, NoStopWithoutTheOption) {
  Trees t;
  std::filesystem::create_directories(t.bin970);
  ScriptedRun sr;
  t.apply(sr.run());
  copy_global_data(sr.run());
  EXPECT_EQ(sr.console().screens_shown(), 0);
  EXPECT_TRUE(std::filesystem::is_directory(t.bin980));
}

TEST(GlobalCopyItems, WageSettingsOf2018InTheOldTreeFollowUnderTheQuestion) {
  for (const char* answer : {"W", "Z"}) {
    Trees t;
    write_file(t.bin970 / "2017_lp.cc", std::string("stare"));
    write_file(t.bin970 / "2018_lp.cc", std::string("nowe"));
    ScriptedRun sr(std::string(answer) + "\n");
    auto& run = sr.run();
    t.apply(run);
    run.options.global_items = 1u << 6;
    copy_global_data(run);
    EXPECT_EQ(read_file(t.bin980 / "2018_lp.cc"), test::as_bytes(answer == std::string("W") ? "nowe" : "stare"));
    EXPECT_FALSE(std::filesystem::exists(t.bin980 / "2017_lp.cc"));
  }
}

TEST(GlobalCopyItems, UncreatableTargetDirectoryEndsTheProgram) {
  Trees t;
  std::filesystem::create_directories(t.bin970);
  write_file(t.bin970 / "KOLORY.VX", std::string("k"));
  write_file(t.dir / "18" / "#BIN980", std::string("a file in the way"));
  ScriptedRun sr(std::string("Enter") + "\n");
  t.apply(sr.run());
  EXPECT_THROW(copy_global_data(sr.run()), platform::ProgramExit);
  const auto out = sr.output();
  EXPECT_NE(out.find("Utworzenia katalogu"), std::string::npos);
}

}  // namespace
}  // namespace vx::driver
