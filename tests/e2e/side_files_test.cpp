// The side files next to the program: the ".LST" list of extra company files
// and the ".PTH" file of the data roots.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vx::test
