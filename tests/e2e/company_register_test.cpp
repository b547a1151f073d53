#include <gtest/gtest.h>

#include "support/office.hpp"

namespace vx::test {
namespace {

CompanyRow row(const std::string& name, const std::string& dir) { return {name, dir, "info " + dir, ""}; }

TEST(CompanyRegister, ListsAtMost2048CompaniesAndSaysSoOnce) {
  Office office;
  for (int i = 0; i < 2049; ++i) office.companies.push_back(row("Firma " + std::to_string(i), "F" + std::to_string(i)));
  for (const auto& c : office.companies) std::filesystem::create_directories(office.root17() / c.dir);
  office.write_register();
  auto r = office.migrate(wizard_defaults() + "End\nEsc\n" + finish());
  EXPECT_EQ(r.exit_code, 0);
  // Printed once: the window never scrolls, so a second line would show below it.
  int shown_in = -1;
  for (std::size_t i = 0; i < r.screens.size() && shown_in < 0; ++i)
    for (const auto& line : r.screens[i])
      if (line.find("Przekroczona maksymalna ilość firm 2048") != std::string::npos) shown_in = static_cast<int>(i);
  ASSERT_GE(shown_in, 0);
  int lines = 0;
  for (const auto& line : r.screens[static_cast<std::size_t>(shown_in)])
    if (line.find("Przekroczona") != std::string::npos) ++lines;
  EXPECT_EQ(lines, 1);
  // The list ends with the 2048th company.
  bool last_listed = false, beyond = false;
  for (const auto& s : r.screens)
    for (const auto& line : s) {
      if (line.find("Firma 2047 ") != std::string::npos) last_listed = true;
      if (line.find("Firma 2048 ") != std::string::npos) beyond = true;
    }
  EXPECT_TRUE(last_listed);
  EXPECT_FALSE(beyond);
  EXPECT_FALSE(file_exists(office.new_file("F0")));
}

TEST(CompanyRegister, CarriedOverAndDamagedCompaniesAreNotListed) {
  Office office;
  office.company(row("Alfa", "ALFA")).company(row("Beta", "BETA")).company(row("Gamma", "GAMMA"), false);
  std::filesystem::create_directories(office.root18() / "BETA");
  std::filesystem::remove_all(office.root17() / "GAMMA");
  // Missing in 2017 but present in 2018: found in the target, not damaged.
  office.companies.push_back(row("Delta", "DELTA"));
  std::filesystem::create_directories(office.root18() / "DELTA");
  office.write_register();
  auto r = office.migrate(wizard_defaults() + "Enter\n" + "Esc\n" + finish());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(r.shows("Odnaleziono katalog docelowy BETA dla firmy Beta"));
  EXPECT_TRUE(r.shows("Odnaleziono katalog docelowy DELTA dla firmy Delta"));
  EXPECT_TRUE(r.shows("Brak katalogu zródłowego    GAMMA dla firmy Gamma"));
  EXPECT_FALSE(r.shows("Brak katalogu zródłowego    DELTA"));
  // The repair line waits for a key before the list comes up.
  bool waited = false;
  for (const auto& screen : r.screens) {
    bool repair = false, list = false;
    for (const auto& line : screen) {
      if (line == "  Napraw plik SPISFIRM.DAT !") repair = true;
      if (line.find(" BAZA FIRM ") != std::string::npos) list = true;
    }
    if (repair && !list) waited = true;
  }
  EXPECT_TRUE(waited);
  // The list shows Alfa alone.
  EXPECT_TRUE(r.shows("Alfa"));
  int beta_rows = 0;
  for (const auto& s : r.screens)
    for (const auto& line : s)
      if (line.find("║Beta") != std::string::npos || line.find("│Beta") != std::string::npos) ++beta_rows;
  EXPECT_EQ(beta_rows, 0);
}

TEST(CompanyRegister, UnsafeDirectoryNamesAreRefusedLikeMissingOnes) {
  Office office;
  office.company(row("Alfa", "ALFA"));
  office.companies.push_back(row("Wyjscie", ".."));
  office.companies.push_back(row("Ukosnik", "A/B"));
  office.write_register();
  std::filesystem::create_directories(office.root17() / "A" / "B");
  auto r = office.migrate(wizard_defaults() + "Enter\n" + "Esc\n" + finish());
  EXPECT_TRUE(r.shows("Brak katalogu zródłowego    .. dla firmy Wyjscie"));
  EXPECT_TRUE(r.shows("Brak katalogu zródłowego    A/B dla firmy Ukosnik"));
  EXPECT_TRUE(r.shows("Napraw plik SPISFIRM.DAT !"));
}

TEST(CompanyRegister, ASecondRunOffersNothingNew) {
  Office office;
  office.company(row("Alfa", "ALFA")).company(row("Beta", "BETA"));
  auto first = office.migrate(wizard_defaults() + select_all() + "t\nt\n" + finish());
  EXPECT_EQ(first.exit_code, 0);
  ASSERT_TRUE(file_exists(office.new_file("ALFA/_vx_wex.rek")));
  auto second = office.migrate(wizard_defaults() + "Enter\n" + finish());
  EXPECT_EQ(second.exit_code, 0);
  EXPECT_TRUE(second.shows("Zerowa ilość odczytanych firm"));
  EXPECT_FALSE(second.shows("BAZA FIRM"));
}

TEST(CompanyRegister, ATrailingPartialRecordIsNotACompany) {
  Office office;
  office.company(row("Alfa", "ALFA"));
  Bytes reg = read_file(office.old_file("SPISFIRM.DAT"));
  reg.resize(200, 'x');
  write_file(office.old_file("SPISFIRM.DAT"), reg);
  auto r = office.migrate(wizard_defaults() + select_all() + finish());
  EXPECT_EQ(r.exit_code, 0) << r.output << r.errors;
  EXPECT_EQ(read_file(office.new_file("SPISFIRM.DAT")).size(), 103u);
}

TEST(CompanyRegister, MissingRegisterStopsTheLocationsPage) {
  Office missing;
  std::filesystem::create_directories(missing.root17() / "#BIN970");
  auto r = missing.migrate("PgDn\nEnter\nEsc\nt\nEnter\n");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(r.shows("Brak pliku SPISFIRM.DAT"));
  EXPECT_FALSE(r.shows("Brak dostępu do pliku"));
}

TEST(CompanyRegister, RegisterWithoutAWholeRecordEndsTheProgram) {
  // Not empty, so the locations page lets it pass.
  Office empty;
  write_file(empty.old_file("SPISFIRM.DAT"), Bytes(50, 0));
  auto e = empty.migrate(wizard_defaults() + "Enter\n");
  EXPECT_EQ(e.exit_code, 0);
  EXPECT_TRUE(e.shows("Zerowa długość pliku SPISFIRM.DAT"));
  EXPECT_FALSE(e.shows("Nacisnij Enter"));
}

TEST(CompanyRegister, RegisterNamedBySwitch) {
  Office office;
  office.company(row("Alfa", "ALFA"));
  std::filesystem::rename(office.old_file("SPISFIRM.DAT"), office.old_file("BIURO.DAT"));
  auto r = office.migrate(wizard_defaults() + select_all() + finish(), {"/wexspis:BIURO.DAT"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(read_file(office.new_file("BIURO.DAT")).size(), 103u);
}

}  // namespace
}  // namespace vx::test
