#include "platform/key_script.hpp"

#include <gtest/gtest.h>

#include "platform/key_codes.hpp"

namespace vx::platform {
namespace {

std::uint16_t code_of(std::string_view line) {
  auto in = parse_script_line(line);
  EXPECT_TRUE(in && in->size() == 1) << line;
  return in && in->size() == 1 ? (*in)[0].key.code : 0;
}

TEST(KeyScript, NamedKeysGivePcCodes) {
  const std::pair<std::string_view, std::uint16_t> expected[] = {
      {"Esc", 0x011B},  {"Enter", 0x1C0D}, {"C-Enter", 0x1C0A}, {"Tab", 0x0F09},
      {"S-Tab", 0x0F00}, {"BS", 0x0E08},   {"Space", 0x3920},   {"Up", 0x4800},
      {"Down", 0x5000}, {"Left", 0x4B00},  {"Right", 0x4D00},   {"C-Left", 0x7300},
      {"C-Right", 0x7400}, {"Home", 0x4700}, {"End", 0x4F00},   {"PgUp", 0x4900},
      {"PgDn", 0x5100}, {"Ins", 0x5200},   {"Del", 0x5300},     {"F1", 0x3B00},
      {"F5", 0x3F00},   {"F10", 0x4400},   {"F11", 0x8500},     {"F12", 0x8600},
      {"Grey+", 0x4E2B}, {"Grey-", 0x4A2D}, {"C-T", 0x1414},    {"C-N", 0x310E},
      {"C-D", 0x2004},  {"C-K", 0x250B},   {"C-M", 0x320D},     {"C-P", 0x1910},
      {"C-W", 0x1117},  {"C-Y", 0x1519},   {"A-A", 0x1E00},     {"A-X", 0x2D00},
      {"A-P", 0x1900},
  };
  for (const auto& [name, code] : expected) EXPECT_EQ(code_of(name), code) << name;
}

TEST(KeyScript, AltShiftCarriesTheShiftState) {
  auto in = parse_script_line("S-A-Z");
  ASSERT_TRUE(in);
  EXPECT_EQ((*in)[0].key.code, 0x2C00);
  EXPECT_EQ((*in)[0].key.shift, kShiftState);
}

TEST(KeyScript, SingleCharactersAndText) {
  EXPECT_EQ(code_of("t"), 0x1474);
  EXPECT_EQ(code_of("T"), 0x1454);
  EXPECT_EQ(code_of("5"), 0x0635);
  EXPECT_EQ(code_of("?"), 0x353F);
  EXPECT_EQ(code_of("ż"), 0x00BE);  // CP852, no scan code
  auto text = parse_script_line("text Aż 1");
  ASSERT_TRUE(text);
  ASSERT_EQ(text->size(), 4u);
  EXPECT_EQ((*text)[1].key.ch(), 0xBE);
  EXPECT_EQ((*text)[2].key.code, 0x3920);
}

TEST(KeyScript, CommentsAndEmptyLinesStandForNothing) {
  EXPECT_TRUE(parse_script_line("")->empty());
  EXPECT_TRUE(parse_script_line("# a comment")->empty());
}

TEST(KeyScript, Clicks) {
  auto in = parse_script_line("click right 1 25");
  ASSERT_TRUE(in);
  EXPECT_EQ((*in)[0].kind, ScriptInput::kMouse);
  EXPECT_EQ((*in)[0].mouse.buttons, 2);
  EXPECT_EQ((*in)[0].mouse.row, 25);
  EXPECT_FALSE(parse_script_line("click left 0 3"));
  EXPECT_FALSE(parse_script_line("click up 3 3"));
}

TEST(KeyScript, UnknownLinesAreRefused) {
  for (auto bad : {"Enterr", "F13", "C-1", "A-ą", "Ctrl-A", "ab"}) EXPECT_FALSE(parse_script_line(bad)) << bad;
}

}  // namespace
}  // namespace vx::platform
