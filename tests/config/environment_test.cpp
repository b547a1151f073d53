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
}

}  // namespace
}  // namespace vx::config
