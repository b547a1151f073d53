#include "driver/data_locations.hpp"

#include <gtest/gtest.h>

#include "platform/filesystem.hpp"
#include "support/fixture.hpp"
#include "support/scripted_run.hpp"

namespace vx::driver {
namespace {

TEST(DataLocations, DefaultsWithoutArgumentOrSideFiles) {
  test::TempDir dir;
  test::ScriptedRun s;
  s.run().env.program_dir = dir.str() + "/";
  s.run().env.program_base = dir.str() + "/vx17-18";
  settle_data_roots(s.run(), {});
  EXPECT_EQ(s.run().loc.source_root, std::string(1, platform::kSeparator) + "WEX_2017" + platform::kSeparator);
  // The program's own directory, without its drive.
  const std::string own = dir.str();
  EXPECT_EQ(s.run().loc.target_root, (own[1] == ':' ? own.substr(2) : own) + "/");
  settle_data_roots(s.run(), {"/dane/2018"});
  EXPECT_EQ(s.run().loc.target_root, "/dane/2018");
  settle_data_roots(s.run(), {"/wexspis:X.DAT", "/dane/2018"});
  EXPECT_EQ(s.run().loc.target_root, "/dane/2018");
  // A root given on the command line is never cut.
  const std::string deep = "/" + std::string(300, 'r');
  settle_data_roots(s.run(), {deep});
  EXPECT_EQ(s.run().loc.target_root, deep);
  // Nothing was printed without a path file.
  EXPECT_EQ(s.row(1), "");
}

TEST(DataLocations, DrivePrefixDroppedOnlyWhenPresent) {
  test::ScriptedRun s;
  s.run().env.program_dir = "C:\\WEX_2018\\";
  s.run().env.program_base = "C:\\WEX_2018\\vx17-18";
  settle_data_roots(s.run(), {});
  EXPECT_EQ(s.run().loc.target_root, "\\WEX_2018\\");
  // On Linux a program in /opt/wex2018/ targets /opt/wex2018/.
  s.run().env.program_dir = "/opt/wex2018/";
  s.run().env.program_base = "/opt/wex2018/vx17-18";
  settle_data_roots(s.run(), {});
  EXPECT_EQ(s.run().loc.target_root, "/opt/wex2018/");
}

TEST(DataLocations, PathFileOverridesArgumentLineByLine) {
  test::TempDir dir;
  test::write_file(dir / "vx17-18.PTH",
                   std::string("; WEX_2018=/ignored\r\nWEX_2017=/a/2017/\r\n WEX_2018=/ignored\r\nwex_2018=/ignored\r\n"
                               "WEX_2018=/first\r\nWEX_2018=/b/2018\r\n"));
  test::ScriptedRun s;
  s.run().env.program_base = dir.str() + "/vx17-18";
  settle_data_roots(s.run(), {"/arg"});
  EXPECT_EQ(s.run().loc.source_root, std::string("/a/2017/") + platform::kSeparator);  // the separator is always appended
  EXPECT_EQ(s.run().loc.target_root, std::string("/b/2018") + platform::kSeparator);
  EXPECT_EQ(s.row(1), "Ustalenie ścieżek dostępu");
}

TEST(DataLocations, PathFileIsUtf8WhenMarkedOrWellFormedElseCp852) {
  const std::string sep(1, platform::kSeparator);
  const std::string bom = "\xEF\xBB\xBF";
  const struct {
    const char* what;
    std::string file;
    std::string source_root;  // CP852
  } cases[] = {
      {"UTF-8", "WEX_2017=/dane/Księgowość\r\n", test::cp852_bytes("/dane/Księgowość") + sep},
      {"marked ASCII", bom + "WEX_2017=/dane/2017\r\n", "/dane/2017" + sep},
      {"marked UTF-8", bom + "WEX_2017=/dane/Łódź\n", test::cp852_bytes("/dane/Łódź") + sep},
      {"CP852", "WEX_2017=" + test::cp852_bytes("/dane/Księgowość") + "\r\n",
       test::cp852_bytes("/dane/Księgowość") + sep},
      // One byte that is no UTF-8 makes the whole file CP852: the UTF-8
      // bytes of the other line are taken as they are.
      {"CP852 beside UTF-8", "WEX_2017=/dane/Łódź\r\n# \xA5\r\n", std::string("/dane/Łódź") + sep},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    test::write_file(dir / "vx17-18.PTH", c.file);
    test::ScriptedRun s;
    s.run().env.program_base = dir.str() + "/vx17-18";
    settle_data_roots(s.run(), {});
    EXPECT_EQ(s.run().loc.source_root, c.source_root) << c.what;
    EXPECT_EQ(s.row(1), "Ustalenie ścieżek dostępu") << c.what;
  }
}

TEST(DataLocations, PathTooLongForARootIsRefusedNotCut) {
  const std::string sep(1, platform::kSeparator);
  std::string polish;  // 254 letters, 508 bytes of UTF-8
  for (int i = 0; i < 254; ++i) polish += "ó";
  const struct {
    std::string value;   // as written in the file
    std::string root;    // the 2018 root after reading, CP852
  } cases[] = {
      // Up to 254 characters, the separator makes 255.
      {"/" + std::string(253, 'd'), "/" + std::string(253, 'd') + sep},
      {polish, std::string(254, '\xA2') + sep},
      // Longer: as if the line were not there, the earlier line stands.
      {"/" + std::string(254, 'd'), "/first" + sep},
      {polish + "x", "/first" + sep},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    test::write_file(dir / "vx17-18.PTH", "WEX_2018=/first\r\nWEX_2018=" + c.value + "\r\n");
    test::ScriptedRun s("Enter\n");
    s.run().env.program_base = dir.str() + "/vx17-18";
    settle_data_roots(s.run(), {"/arg"});
    EXPECT_EQ(s.run().loc.target_root, c.root) << c.value.size();
    const bool refused = c.root == "/first" + sep;
    EXPECT_EQ(s.console().screens_shown(), refused ? 1 : 0) << c.value.size();
    EXPECT_EQ(s.row(2), refused ? "Za długa ścieżka WEX_2018= (ponad 254 znaki) w pliku vx17-18.PTH" : "");
  }
}

TEST(DataLocations, ListEntriesCutTo25CharactersBlankAndNoteLinesSkipped) {
  test::TempDir dir;
  // Only a ";" as the first character other than a blank makes a note;
  // further on it stays in the name.
  test::write_file(dir / "x.LST", "; notatka\r\n\r\n" + std::string(40, 'a') +
                                      "\r\n\r\n \t \n \t;DANE.TXT\r\nDANE.TXT>NOWE.TXT ;x\r\n" +
                                      std::string(30, ' ') + "X\r\n\n");
  auto list = read_company_file_list((dir / "x.LST").string());
  EXPECT_EQ(list, (std::vector<std::string>{std::string(25, 'a'), "DANE.TXT>NOWE.TXT ;x"}));
  EXPECT_TRUE(read_company_file_list((dir / "none.LST").string()).empty());
}

}  // namespace
}  // namespace vx::driver
