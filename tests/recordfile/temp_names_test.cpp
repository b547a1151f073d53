#include "recordfile/temp_names.hpp"

#include <gtest/gtest.h>

#include <map>

#include "platform/filesystem.hpp"
#include "support/fixture.hpp"

namespace vx::test {
namespace {

std::map<std::string, std::string> g_env;
std::string lookup(const std::string& name) {
  const auto it = g_env.find(name);
  return it == g_env.end() ? std::string() : it->second;
}

TEST(TempNames, DirectoryFromTheFirstVariableSet) {
  g_env = {{"TMP", "/d/tmp"}, {"TEMP", "/d/temp/"}, {"WEXBOX", ""}, {"vxTEMP", ""}};
  EXPECT_EQ(recordfile::temporary_directory(lookup), "/d/temp/");
  g_env["WEXBOX"] = "/d/box";
  EXPECT_EQ(recordfile::temporary_directory(lookup), std::string("/d/box") + platform::kSeparator);
  g_env["vxTEMP"] = "C:\\VX\\";
  EXPECT_EQ(recordfile::temporary_directory(lookup), "C:\\VX\\");
  g_env.clear();
  EXPECT_FALSE(recordfile::temporary_directory(lookup).empty());  // the system's own
}

TEST(TempNames, NameIsNeverOneThatExists) {
  TempDir dir;
  write_file(dir / "~vx41.tmp", "x");
  write_file(dir / "~VX42.TMP", "x");  // names ignore case
  EXPECT_EQ(recordfile::unique_temp_name(dir.str(), ".tmp", 40), dir.str() + platform::kSeparator + "~vx40.tmp");
  EXPECT_EQ(recordfile::unique_temp_name(dir.str(), ".tmp", 41), dir.str() + platform::kSeparator + "~vx43.tmp");
  write_file(dir / "~vx32766.tmp", "x");
  EXPECT_EQ(recordfile::unique_temp_name(dir.str() + "/", ".tmp", 32766), dir.str() + "/~vx0.tmp");
  const std::string any = recordfile::unique_temp_name(dir.str());
  EXPECT_TRUE(any.starts_with(dir.str() + platform::kSeparator + "~vx") && any.ends_with(".tmp")) << any;
  EXPECT_FALSE(file_exists(any));
}

}  // namespace
}  // namespace vx::test
