// The side files next to the program: the ".LST" list of extra company files
// and the ".PTH" file of the data roots.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/run_keys.hpp"
#include "support/office.hpp"

namespace vx::test {
namespace {

TEST(CompanyFileList, BlankLinesArePassedOverWithoutAWord) {
  Office office;
  office.company({"Alfa", "ALFA", "", ""}).company({"Beta", "BETA", "", ""});
  for (const char* dir : {"ALFA", "BETA"}) office.file17(dir, "EXTRA.DAT", as_bytes(std::string("extra ") + dir));
  office.list_file = {"", "EXTRA.DAT", "   ", "\t", "", "EXTRA.DAT>KOPIA.DAT", ""};
  const std::string script = wizard_defaults() + select_all() + finish();
  const auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_FALSE(r.shows("Niedozwolona nazwa pliku")) << r.output;
  for (const char* dir : {"ALFA", "BETA"}) {
    EXPECT_EQ(read_file(office.new_file(std::string(dir) + "/EXTRA.DAT")), as_bytes(std::string("extra ") + dir));
    EXPECT_EQ(read_file(office.new_file(std::string(dir) + "/KOPIA.DAT")), as_bytes(std::string("extra ") + dir));
  }
}

// The 2018 root in a folder named with Polish letters, given by a path file
// an editor of today wrote: UTF-8 with its mark.
TEST(PathFile, Utf8WithItsMarkReachesAFolderOfPolishName) {
  Office office;
  office.company({"Alfa", "ALFA", "", ""});
  const std::string polish = "18-Łódź";
  const auto root18 = office.root17().parent_path() / disk_name(cp852_bytes(polish));
  std::filesystem::create_directories(root18);
  const std::string tmp = office.root17().parent_path().string();
  office.path_file = "\xEF\xBB\xBFWEX_2017=" + office.root17().string() + "\r\nWEX_2018=" + tmp +
                     std::string(1, std::filesystem::path::preferred_separator) + polish + "\r\n";
  const std::string script = wizard_defaults() + select_all() + finish();
  const auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_TRUE(file_exists(root18 / "ALFA" / "_vx_wex.rek")) << r.output;
  EXPECT_TRUE(std::filesystem::is_empty(office.root18()));
}

TEST(PathFile, ARootTooLongIsRefusedOnceAndTheEarlierLineStands) {
  Office office;
  office.company({"Alfa", "ALFA", "", ""});
  office.path_file = "WEX_2017=" + office.root17().string() + "\r\nWEX_2018=" + office.root18().string() +
                     "\r\nWEX_2017=" + std::string(300, 'x') + "\r\n";
  const std::string script = "Enter\n" + wizard_defaults() + select_all() + finish();
  const auto r = office.migrate(script);
  ASSERT_TRUE(waited_exactly_for_every_key(r, script)) << r.output;
  EXPECT_EQ(r.screens[0][0], "Ustalenie ścieżek dostępu");
  EXPECT_EQ(r.screens[0][1], "Za długa ścieżka WEX_2017= (ponad 254 znaki) w pliku vx17-18.PTH");
  EXPECT_EQ(r.count("Za długa ścieżka"), 1);
  EXPECT_TRUE(file_exists(office.new_file("ALFA/_vx_wex.rek")));
}

}  // namespace
}  // namespace vx::test
