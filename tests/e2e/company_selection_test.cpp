#include <gtest/gtest.h>

#include "support/office.hpp"

namespace vx::test {
namespace {

CompanyRow row(const std::string& name, const std::string& dir) { return {name, dir, "opis " + dir, std::string(36, 'r')}; }

// Names in the order the 2018 register holds them.
std::vector<std::string> register_names(const Bytes& reg) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i + 103 <= reg.size(); i += 103)
    names.push_back(ConstRecordView(std::span<const std::uint8_t>(reg).subspan(i, 103)).text(0, 31));
  return names;
}

TEST(CompanySelection, F5AtOnceTakesEveryCompany) {
  Office office;
  office.company(row("Beta", "BETA")).company(row("Alfa", "ALFA"));
  auto r = office.migrate(wizard_defaults() + select_all() + finish());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(register_names(read_file(office.new_file("SPISFIRM.DAT"))),
            (std::vector<std::string>{"Alfa", "Beta"}));
  EXPECT_TRUE(r.shows("Koniec pracy kopiera danych WEX_VX na rok 2018"));
}

TEST(CompanySelection, NoneSelectedCopiesNothingAndLeavesTheRegister) {
  Office office;
  office.company(row("Alfa", "ALFA")).company(row("Beta", "BETA"));
  const Bytes existing = register_record(row("Omega", "OMEGA")).bytes();
  write_file(office.new_file("SPISFIRM.DAT"), existing);
  auto r = office.migrate(wizard_defaults() + "C-D\nF5\n" + finish());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(read_file(office.new_file("SPISFIRM.DAT")), existing);
  EXPECT_FALSE(file_exists(office.new_file("ALFA")));
  EXPECT_FALSE(file_exists(office.new_file("BETA")));
}

TEST(CompanySelection, SpaceTwiceKeepsTheMarkAndSpaceOnceDropsTheCompany) {
  Office office;
  office.company(row("Alfa", "ALFA")).company(row("Beta", "BETA"));
  auto r = office.migrate(wizard_defaults() + "Space\nSpace\nDown\nSpace\nF5\n" + finish());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(file_exists(office.new_file("ALFA/_vx_wex.rek")));
  EXPECT_FALSE(file_exists(office.new_file("BETA")));
  EXPECT_EQ(register_names(read_file(office.new_file("SPISFIRM.DAT"))), (std::vector<std::string>{"Alfa"}));
}

TEST(CompanySelection, EscCopiesNothing) {
  Office office;
  office.company(row("Alfa", "ALFA"));
  auto r = office.migrate(wizard_defaults() + "Esc\n" + finish());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_FALSE(file_exists(office.new_file("ALFA")));
  EXPECT_FALSE(file_exists(office.new_file("SPISFIRM.DAT")));
}

TEST(CompanySelection, ListLinesShowNameMarkDirectoryAndTenCharactersOfInfo) {
  Office office;
  office.company({"Piekarnia", "PIEK", "opis dluzszy niz dziesiec", ""});
  auto r = office.migrate(wizard_defaults() + "Space\nEsc\n" + finish());
  ASSERT_GE(r.screens.size(), 6u);
  bool marked = false, unmarked = false;
  for (const auto& s : r.screens)
    for (const auto& line : s) {
      if (line.find("Piekarnia                      ■ PIEK     opis dluzs│") != std::string::npos) marked = true;
      if (line.find("Piekarnia                        PIEK     opis dluzs│") != std::string::npos) unmarked = true;
    }
  EXPECT_TRUE(marked);
  EXPECT_TRUE(unmarked);
  EXPECT_TRUE(r.shows("Nazwa                   Wybrana? KATALOG   INFO"));
  EXPECT_TRUE(r.shows("SPACE - Zaznacz (■)│^W Wszystkie │^D Żadna │F5 - ZACZNIJ│"));
}

// New companies go in at their place in Polish key order; a folder the 2018
// register already names (an earlier run stopped between the register entry
// and the folder) is carried but entered no second time.
TEST(CompanyRegister2018, InsertedInPolishKeyOrderOnceForEachFolder) {
  Office office;
  office.company(row("Zebra", "ZEB")).company(row(cp852_bytes("Łoś"), "LOS")).company(row("Alfa", "ALFA"));
  CompanyRow old_alfa = row("ALFA", "alfa");
  old_alfa.info = "stara";
  write_file(office.new_file("SPISFIRM.DAT"),
             concat({register_record(old_alfa), register_record(row("Lis", "LIS")), register_record(row(cp852_bytes("Żuk"), "ZUK"))}));
  auto r = office.migrate(wizard_defaults() + select_all() + finish());
  EXPECT_EQ(r.exit_code, 0);
  const Bytes reg = read_file(office.new_file("SPISFIRM.DAT"));
  EXPECT_EQ(register_names(reg), (std::vector<std::string>{"ALFA", "Lis", cp852_bytes("Łoś"), "Zebra", cp852_bytes("Żuk")}));
  EXPECT_EQ(ConstRecordView(std::span<const std::uint8_t>(reg).subspan(0, 103)).text(41, 25), "stara");
  EXPECT_TRUE(file_exists(office.new_file("ALFA/2018_ROK.REK")));
  // The record goes in as read: info and the other 36 bytes.
  const auto zebra = ConstRecordView(std::span<const std::uint8_t>(reg).subspan(3 * 103, 103));
  EXPECT_EQ(zebra.text(41, 25), "opis ZEB");
  EXPECT_EQ(reg[3 * 103 + 67], 'r');
  EXPECT_EQ(reg[3 * 103 + 102], 'r');
}

TEST(CompanyRegister2018, MissingRegisterIsCreatedWithoutAQuestion) {
  Office office;
  office.company(row("Alfa", "ALFA"));
  auto r = office.migrate(wizard_defaults() + select_all() + finish());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_FALSE(r.shows("Nie odnaleziono pliku"));
  EXPECT_EQ(read_file(office.new_file("SPISFIRM.DAT")), register_record(row("Alfa", "ALFA")).bytes());
}

}  // namespace
}  // namespace vx::test
