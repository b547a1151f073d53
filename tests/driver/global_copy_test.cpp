#include "driver/global_copy.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/fixture.hpp"
#include "support/scripted_run.hpp"
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
  void apply(Run& run) const {
    run.loc.source_root = (dir / "17").string() + "/";
    run.loc.target_root = (dir / "18").string() + "/";
  }
};

std::vector<std::string> lines_of(const std::string& transcript) {
  std::vector<std::string> lines;
  std::istringstream in(transcript);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

TEST(GlobalCopyItems, HeadingsInTheirOrderThenTheStop) {
  Trees t;
  for (const char* name : {"baza_ad8.rek", "wex_2017.ini", "baza_us8.rek", "baza_ff.txt", "2017_BR.REK",
                           "WEX_VX.INI", "2017spd.ini", "2017_lp.cc", "KOLORY.VX", "OPERATOR.REK",
                           "ZUS_PEL.INI", "UMOWY.INI"})
    write_file(t.bin970 / name, std::string("x=1\r\n"));
  ScriptedRun sr(std::string("x") + "\n");
  auto& run = sr.run();
  t.apply(run);
  run.options.global_items = 0x07FF;
  run.options.stop_per_company = 1;
  copy_global_data(run);

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
