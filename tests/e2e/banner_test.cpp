#include <gtest/gtest.h>

#include "support/program_runner.hpp"

namespace vx::test {
namespace {

TEST(Banner, ShowsTheBannerAndEndsAfterOneKey) {
  auto r = run_program({.script = "Enter\n"});
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 2u);
  const auto& s = r.screens[0];
  EXPECT_EQ(s[0], " PROGRAM DO PRZEPCHNIĘCIA DANYCH WEX_VX Z ROKU 2017 NA 2018 1.04(x86)");
  std::string rule;
  for (int i = 0; i < 79; ++i) rule += "─";
  EXPECT_EQ(s[1], rule);
  EXPECT_EQ(s[2].substr(0, 14), "Nacisnij Enter");
  for (const auto& row : r.final_screen()) EXPECT_EQ(row, "");
  EXPECT_NE(r.output.find("--- exit 0 ---"), std::string::npos);
}

}  // namespace
}  // namespace vx::test
