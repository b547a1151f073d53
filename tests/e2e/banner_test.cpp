#include <gtest/gtest.h>

#include "support/program_runner.hpp"

namespace vx::test {
namespace {

TEST(Banner, ShowsTheBannerThenAQuitEndsAfterOneKey) {
  auto r = run_program({.script = "Esc\nt\nEnter\n"});
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_GE(r.screens.size(), 3u);
  const auto& s = r.screens[0];
  EXPECT_TRUE(s[0].starts_with(" PROGRAM DO PRZEPCHNIĘCIA DANYCH WEX_VX Z ROKU 2017 NA 2018 1.04(x86)   08:00:00"));
  EXPECT_TRUE(s[0].ends_with("08:00:00"));  // the clock of the waiting screen
  std::string rule;
  for (int i = 0; i < 79; ++i) rule += "─";
  EXPECT_EQ(s[1], rule);
  const auto& last_wait = r.screens[r.screens.size() - 2];
  bool prompt = false;
  for (const auto& row : last_wait) prompt = prompt || row.starts_with("Nacisnij Enter");
  EXPECT_TRUE(prompt);
  EXPECT_FALSE(r.shows("Koniec pracy kopiera danych WEX_VX na rok 2018"));
  for (const auto& row : r.final_screen()) EXPECT_TRUE(row.empty() || row.find("08:00") != std::string::npos) << row;
  EXPECT_NE(r.output.find("--- exit 0 ---"), std::string::npos);
}

}  // namespace
}  // namespace vx::test
