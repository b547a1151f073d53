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

// PC scan codes of the letter keys A to Z (US layout), written out here.
constexpr std::uint8_t kLetterScan[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                          0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                          0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};

TEST(KeyScript, EveryFunctionCtrlAltAndAltShiftName) {
  constexpr std::uint16_t kFunction[12] = {0x3B00, 0x3C00, 0x3D00, 0x3E00, 0x3F00, 0x4000,
                                           0x4100, 0x4200, 0x4300, 0x4400, 0x8500, 0x8600};
  for (int n = 1; n <= 12; ++n) {
    const std::string name = "F" + std::to_string(n);
    EXPECT_EQ(code_of(name), kFunction[n - 1]) << name;
  }
  for (int i = 0; i < 26; ++i) {
    const char letter = static_cast<char>('A' + i);
    const auto scan = static_cast<std::uint16_t>(kLetterScan[i] << 8);
    const std::string ctrl = std::string("C-") + letter;
    EXPECT_EQ(code_of(ctrl), scan | (i + 1)) << ctrl;  // Ctrl+A is character 1
    const std::string alt = std::string("A-") + letter;
    auto a = parse_script_line(alt);
    ASSERT_TRUE(a && a->size() == 1) << alt;
    EXPECT_EQ((*a)[0].key.code, scan) << alt;
    EXPECT_EQ((*a)[0].key.shift, 0) << alt;
    const std::string shifted = std::string("S-A-") + letter;
    auto s = parse_script_line(shifted);
    ASSERT_TRUE(s && s->size() == 1) << shifted;
    EXPECT_EQ((*s)[0].key.code, scan) << shifted;
    EXPECT_EQ((*s)[0].key.shift, kShiftState) << shifted;
  }
}

TEST(KeyScript, LettersCarryTheirScanCodeInEitherCase) {
  for (int i = 0; i < 26; ++i) {
    const std::string small(1, static_cast<char>('a' + i));
    const std::string capital(1, static_cast<char>('A' + i));
    EXPECT_EQ(code_of(small), (kLetterScan[i] << 8) | ('a' + i)) << small;
    EXPECT_EQ(code_of(capital), (kLetterScan[i] << 8) | ('A' + i)) << capital;
  }
  EXPECT_EQ(code_of(" "), 0x3920);  // a line of one blank is the space bar
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
  EXPECT_TRUE(parse_script_line("#")->empty());
  // A script written on Windows: the CR of each line end is not part of it.
  EXPECT_EQ(code_of("Enter\r"), 0x1C0D);
  EXPECT_TRUE(parse_script_line("text ")->empty());
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
  for (auto bad : {"Enterr", "F13", "F0", "F01", "C-1", "c-a", "A-ą", "S-A-1", "Ctrl-A", "ab",
                   "text", "click left 3", "click left 3 26", "click left 81 1", "esc",
                   "€", "text a€b"}) EXPECT_FALSE(parse_script_line(bad)) << bad;
}

}  // namespace
}  // namespace vx::platform
