#include "driver/program_flow.hpp"

#include <gtest/gtest.h>

#include "support/fixture.hpp"
#include "support/office.hpp"
#include "support/scripted_run.hpp"

namespace vx::test {
namespace {

TEST(CompanyLoop, RegisterEntryTakesTheTargetStandardForNameAndInfoOnly) {
  Office office;
  const std::string dir_with_letter = std::string("D") + '\x86';  // a Mazovia letter: never converted
  office.company({mazovia("Łódź Żółć"), dir_with_letter, mazovia("opis ąę"), std::string(36, '\x86')});
  ScriptedRun s(select_all());
  s.run().loc.source_root = office.root17().string() + "/";
  s.run().loc.target_root = office.root18().string() + "/";
  s.run().cs.charset_mode = 1;
  driver::copy_companies(s.run());
  const Bytes reg = read_file(office.new_file("SPISFIRM.DAT"));
  ASSERT_EQ(reg.size(), 103u);
  Record expected = register_record({cp852_bytes("Łódź Żółć"), dir_with_letter, cp852_bytes("opis ąę"), std::string(36, '\x86')});
  EXPECT_EQ(reg, expected.bytes());
  EXPECT_TRUE(s.transcript().find("Kopiowanie  - FIRMA   : ") != std::string::npos);
  EXPECT_TRUE(s.transcript().find("              Katalog : ") != std::string::npos);
}

TEST(CompanyLoop, KeepingTheStandardWritesTheRecordAsRead) {
  Office office;
  const CompanyRow c{mazovia("Łódź"), "LODZ", mazovia("ą"), std::string(36, '\x86')};
  office.company(c);
  ScriptedRun s(select_all());
  s.run().loc.source_root = office.root17().string() + "/";
  s.run().loc.target_root = office.root18().string() + "/";
  driver::copy_companies(s.run());
  EXPECT_EQ(read_file(office.new_file("SPISFIRM.DAT")), register_record(c).bytes());
  // The window of the loop is given back cleared.
  EXPECT_EQ(s.run().out.window(), ui::kFullScreen);
}

// The rows of the last screen shown at a key wait.
std::vector<std::string> last_screen(const std::string& output) {
  const auto at = output.rfind("--- screen ");
  std::vector<std::string> rows;
  std::size_t pos = output.find('\n', at) + 1;
  for (int r = 0; r < 25; ++r) {
    const auto end = output.find('\n', pos);
    rows.push_back(output.substr(pos, end - pos));
    pos = end + 1;
  }
  return rows;
}

TEST(CompanyLoop, CompanyLinesOnRows3And4AndThePlanFromRow6) {
  Office office;
  office.company({"Alfa", "ALFA", "opis", ""});
  ScriptedRun s(select_all() + "x\n");
  s.run().loc.source_root = office.root17().string() + "/";
  s.run().loc.target_root = office.root18().string() + "/";
  s.run().options.company_items = 0;
  s.run().options.entered_2018_items = 0;
  s.run().options.addon_items = 0;
  s.run().options.stop_per_company = 1;
  driver::copy_companies(s.run());
  // Seen at the wait after the company: the loop's lines in its window from
  // row 3, the plan's from row 6, nothing left of column 3.
  const auto rows = last_screen(s.output());
  EXPECT_EQ(rows[0].substr(0, 72).find_first_not_of(' '), std::string::npos);  // the clock stays
  EXPECT_EQ(rows[1], "");
  EXPECT_EQ(rows[2], "  Kopiowanie  - FIRMA   : Alfa");
  EXPECT_EQ(rows[3], "                Katalog : ALFA");
  EXPECT_EQ(rows[4], "");
  EXPECT_EQ(rows[5], "  Kopiowanie właściwe");
  std::size_t end = 0;
  for (std::size_t i = 5; i < 19; ++i)
    if (rows[i] == "  Koniec konwersji danych firmy") end = i;
  ASSERT_GT(end, 5u);
  EXPECT_EQ(rows[end + 1], "  cdn - naciśnij dowolny klawisz.");
  for (std::size_t i = end + 2; i < 25; ++i) EXPECT_EQ(rows[i], "") << i + 1;
  EXPECT_EQ(read_file(office.new_file("SPISFIRM.DAT")).size(), 103u);
}

}  // namespace
}  // namespace vx::test
