#include "config/environment.hpp"

#include <gtest/gtest.h>

#include <map>

#include "platform/filesystem.hpp"

namespace vx::config {
namespace {

std::map<std::string, std::string> g_env;
std::string lookup(const std::string& name) {
  auto it = g_env.find(name);
  return it == g_env.end() ? std::string() : it->second;
}

Environment settle(std::vector<std::string> args, std::map<std::string, std::string> env) {
  g_env = std::move(env);
  platform::ProcessInfo p{"/opt/wex2018/vx17-18", std::move(args), "/home/biuro/"};
  return settle_environment(p, lookup);
}

TEST(Environment, ProgramPathsKeepTheirFullLength) {
  const std::string deep = "/" + std::string(120, 'k') + "/vx17-18.exe";
  g_env.clear();
  auto e = settle_environment({deep, {}, "/"}, lookup);
  EXPECT_EQ(e.program_base, deep.substr(0, deep.size() - 4));
  EXPECT_EQ(e.program_dir, "/" + std::string(120, 'k') + "/");
  auto plain = settle({}, {});
  EXPECT_EQ(plain.program_dir, "/opt/wex2018/");
  EXPECT_EQ(plain.program_base, "/opt/wex2018/vx17-18");
  EXPECT_EQ(plain.current_dir, "/home/biuro");
  // Only a dot of the file name starts an extension.
  EXPECT_EQ(base_path_of("/opt/wex.2018/vx17-18"), "/opt/wex.2018/vx17-18");
  EXPECT_EQ(base_path_of("C:\\WEX.18\\VX17-18.EXE"), "C:\\WEX.18\\VX17-18");
  EXPECT_EQ(directory_of("C:\\WEX.18\\VX17-18"), "C:\\WEX.18\\");
}

TEST(Environment, RegisterNameFromSwitchInAnyCaseThenVariable) {
  EXPECT_EQ(settle({}, {}).register_file_name, "SPISFIRM.DAT");
  EXPECT_EQ(settle({}, {{"WEXSPIS", "FIRMY.DAT"}}).register_file_name, "FIRMY.DAT");
  EXPECT_EQ(settle({"/WEXSPIS:Biuro.dat"}, {{"WEXSPIS", "FIRMY.DAT"}}).register_file_name, "Biuro.dat");
  EXPECT_EQ(settle({"x", "/wexspis:biuro.dat"}, {}).register_file_name, "biuro.dat");
  EXPECT_EQ(settle({"/wexspis:"}, {{"WEXSPIS", "FIRMY.DAT"}}).register_file_name, "FIRMY.DAT");
  EXPECT_EQ(settle({"/wexspis:ABCDEFGHIJKLMN.DAT"}, {}).register_file_name, "ABCDEFGHIJKL");
}

TEST(Environment, ConfigurationPrinterAndSound) {
  auto e = settle({}, {});
  EXPECT_EQ(e.config_ini, "/opt/wex2018/WEX_2018.INI");
  EXPECT_EQ(e.printer_file, "/opt/wex2018/DRUKARKI.SET");
  EXPECT_FALSE(e.sound_off);
  EXPECT_EQ(e.xy_dir, std::string("/opt/wex2018/XY") + platform::kSeparator);
  EXPECT_EQ(e.archive_dir, std::string("/opt/wex2018/ARK") + platform::kSeparator);
  auto full = settle({"/EXC", "/lfn"}, {{"WEXCNF", "C:\\WEX\\MY.INI"}, {"VXSOUND", "OFF"}});
  EXPECT_EQ(full.config_ini, "C:\\WEX\\MY.INI");
  EXPECT_TRUE(full.sound_off);
  EXPECT_TRUE(full.exc_switch);
  EXPECT_TRUE(full.lfn_switch);
  EXPECT_EQ(settle({}, {{"WEXCNF", "MY.INI"}}).config_ini, "/opt/wex2018/MY.INI");
  EXPECT_FALSE(settle({}, {{"VXSOUND", "off"}}).sound_off);
  // A printer file named by the variable is used unchanged, however long.
  const std::string lpt = "/" + std::string(150, 'p') + "/DRUKARKI.SET";
  EXPECT_EQ(settle({}, {{"WEXLPT", lpt}}).printer_file, lpt);
}

TEST(Environment, XyDirectoryAndCurrentDirectory) {
  EXPECT_EQ(settle({}, {{"WEXXY", "XY2\\"}}).xy_dir, "XY2\\");  // its only separator is its last character
  EXPECT_EQ(settle({}, {{"WEXXY", "DANE\\XY\\"}}).xy_dir, "/opt/wex2018/DANE\\XY\\");
  EXPECT_EQ(settle({}, {{"WEXXY", "XY3"}}).xy_dir, "/opt/wex2018/XY3");
  g_env.clear();
  EXPECT_EQ(settle_environment({"/opt/wex2018/vx17-18", {}, "/"}, lookup).current_dir, "/");
  EXPECT_EQ(settle_environment({"/opt/wex2018/vx17-18", {}, "C:\\"}, lookup).current_dir, "C:\\");
  EXPECT_EQ(settle_environment({"/opt/wex2018/vx17-18", {}, "C:\\WEX\\"}, lookup).current_dir, "C:\\WEX");
}

}  // namespace
}  // namespace vx::config
