// The wizard's way to the copying, or out of it.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/office.hpp"

namespace vx::test {
namespace {

const std::string kEndLine = "Koniec pracy kopiera danych WEX_VX na rok 2018";

Office& with_register(Office& office) { return office.company({.name = "Alfa", .dir = "ALFA"}); }

// The screen of the last wait for a key.
const std::vector<std::string>& last_wait(const ProgramResult& r) { return r.screens.at(r.screens.size() - 2); }
bool row_starts(const std::vector<std::string>& screen, const std::string& text) {
  for (const auto& row : screen)
    if (row.starts_with(text)) return true;
  return false;
}

TEST(WizardFlow, QuitFromAnyPageCopiesNothing) {
  for (int page = 1; page <= 4; ++page) {
    Office office;
    with_register(office).global17("KOLORY.VX", Bytes{1, 2, 3});
    const auto old_tree = snapshot_tree(office.root17());
    std::string script;
    for (int p = 1; p < page; ++p) script += "PgDn\n";
    auto r = office.migrate(script + "Esc\nt\nEnter\n");
    EXPECT_EQ(r.exit_code, 0) << page;
    EXPECT_TRUE(row_starts(last_wait(r), "Nacisnij Enter")) << page;
    EXPECT_FALSE(r.shows(kEndLine)) << page;
    EXPECT_TRUE(snapshot_tree(office.root18()).empty()) << page;
    EXPECT_FALSE(std::filesystem::exists(office.new_file("#BIN980"))) << page;
    EXPECT_EQ(snapshot_tree(office.root17()), old_tree) << page;
  }
}

TEST(WizardFlow, NeitherGlobalDataNorCompaniesGoesStraightToTheEnd) {
  Office office;
  with_register(office).global17("KOLORY.VX", Bytes{1, 2, 3});
  // Page 4: to the scope group, both items cleared.
  auto r = office.migrate("PgDn\nPgDn\nPgDn\nS-Tab\nS-Tab\nSpace\nDown\nSpace\nF5\n" + finish());
  EXPECT_EQ(r.exit_code, 0) << r.output;
  EXPECT_TRUE(r.shows(kEndLine));
  EXPECT_FALSE(r.shows("BAZA FIRM"));
  EXPECT_TRUE(snapshot_tree(office.root18()).empty());
}

TEST(WizardFlow, NoGlobalItemsSkipsTheGlobalCopy) {
  Office office;
  with_register(office).global17("KOLORY.VX", Bytes{1, 2, 3});
  // Page 2: every item cleared, from the first down.
  std::string none;
  for (int i = 0; i < 11; ++i) none += "0\nDown\n";
  auto r = office.migrate("PgDn\n" + none + "PgDn\nPgDn\nS-Tab\nS-Tab\nDown\nSpace\nF5\n" + finish());
  EXPECT_EQ(r.exit_code, 0) << r.output;
  EXPECT_TRUE(r.shows(kEndLine));
  EXPECT_FALSE(std::filesystem::exists(office.new_file("#BIN980")));
}

TEST(WizardFlow, CompaniesOnlyWhenTheirScopeIsSet) {
  {
    Office office;
    with_register(office);
    auto r = office.migrate("PgDn\nPgDn\nPgDn\nS-Tab\nS-Tab\nDown\nSpace\nF5\n" + finish());
    EXPECT_EQ(r.exit_code, 0) << r.output;
    EXPECT_FALSE(r.shows("BAZA FIRM"));
    EXPECT_TRUE(r.shows(kEndLine));
    EXPECT_FALSE(file_exists(office.new_file("SPISFIRM.DAT")));
    EXPECT_TRUE(std::filesystem::is_directory(office.new_file("#BIN980")));
  }
  {
    // With it, the register is read and the list shown; Esc leaves it.
    Office office;
    with_register(office);
    auto r = office.migrate(wizard_defaults() + "Esc\n" + finish());
    EXPECT_EQ(r.exit_code, 0) << r.output;
    EXPECT_TRUE(r.shows(" BAZA FIRM "));
    EXPECT_TRUE(r.shows(kEndLine));
  }
}

TEST(WizardFlow, LongLocationFromThePathFileIsKeptAndUsed) {
  Office office;
  // The 2017 installation one level down, under a name that makes the
  // location longer than the 50 columns of its field.
  const auto deep = office.root17() / std::string(60, 'd');
  write_file(deep / "SPISFIRM.DAT", register_record({.name = "Alfa", .dir = "ALFA"}).bytes());
  write_file(deep / "#BIN970" / "KOLORY.VX", Bytes{7, 8, 9});
  ASSERT_GT(deep.string().size() + 1, 50u);
  office.path_file = "WEX_2017=" + deep.string() + "\r\nWEX_2018=" + office.root18().string() + "\r\n";
  auto r = office.migrate("PgDn\nPgUp\nPgDn\nPgDn\nPgDn\nS-Tab\nS-Tab\nDown\nSpace\nF5\n" + finish());
  EXPECT_EQ(r.exit_code, 0) << r.output;
  EXPECT_FALSE(r.shows("Brak pliku"));
  EXPECT_EQ(read_file(office.new_file("#BIN980/KOLORY.VX")), (Bytes{7, 8, 9}));
}

TEST(WizardFlow, SameLocationsInAnotherCaseAreRefused) {
  Office office;
  with_register(office);
  // The .PTH file is CP852 text; the two names differ only in case.
  const auto dir = office.root17() / std::filesystem::path(u8"żółw");
  write_file(dir / "SPISFIRM.DAT", register_record({.name = "Alfa", .dir = "ALFA"}).bytes());
  const std::string base = office.root17().string() + "/";
  office.path_file = "WEX_2017=" + base + cp852_bytes("żółw") + "\r\nWEX_2018=" + base +
                     cp852_bytes("ŻÓŁW") + "\r\n";
  auto r = office.migrate("PgDn\nEnter\nEsc\nt\nEnter\n");
  EXPECT_EQ(r.exit_code, 0) << r.output;
  EXPECT_TRUE(r.shows("Katalogi nię mogą być identyczne !"));
  EXPECT_FALSE(r.shows("Brak katalogu"));
  EXPECT_FALSE(r.shows(kEndLine));
}

}  // namespace
}  // namespace vx::test
