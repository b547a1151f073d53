#include "platform/terminal_keys.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/key_codes.hpp"

namespace vx::platform {
namespace {

std::vector<TerminalInput> parse(std::string_view bytes, bool then_delay = false) {
  TerminalKeyParser parser;
  std::vector<TerminalInput> out;
  parser.feed(bytes, out);
  if (then_delay) parser.delay_passed(out);
  return out;
}

// The key codes the bytes give, in order (mouse input shows as 0xFFFF).
std::vector<std::uint16_t> codes(std::string_view bytes, bool then_delay = false) {
  std::vector<std::uint16_t> out;
  for (const auto& in : parse(bytes, then_delay))
    out.push_back(in.kind == TerminalInput::kKey ? in.key.code : 0xFFFF);
  return out;
}

using Expected = std::vector<std::pair<std::string_view, std::uint16_t>>;

void expect_single_keys(const Expected& table) {
  for (const auto& [bytes, code] : table)
    EXPECT_EQ(codes(bytes), std::vector<std::uint16_t>{code}) << '"' << bytes.substr(1) << '"';
}

TEST(TerminalKeys, FunctionKeysInEveryCommonEncoding) {
  expect_single_keys({
      // xterm
      {"\x1BOP", 0x3B00}, {"\x1BOQ", 0x3C00}, {"\x1BOR", 0x3D00}, {"\x1BOS", 0x3E00},
      {"\x1B[15~", 0x3F00}, {"\x1B[17~", 0x4000}, {"\x1B[18~", 0x4100},
      {"\x1B[19~", 0x4200}, {"\x1B[20~", 0x4300}, {"\x1B[21~", 0x4400},
      {"\x1B[23~", 0x8500}, {"\x1B[24~", 0x8600},
      // VT220 and rxvt
      {"\x1B[11~", 0x3B00}, {"\x1B[12~", 0x3C00}, {"\x1B[13~", 0x3D00}, {"\x1B[14~", 0x3E00},
      // Linux console
      {"\x1B[[A", 0x3B00}, {"\x1B[[B", 0x3C00}, {"\x1B[[C", 0x3D00}, {"\x1B[[D", 0x3E00},
      {"\x1B[[E", 0x3F00},
  });
}

TEST(TerminalKeys, FunctionKeysWithModifiers) {
  expect_single_keys({
      {"\x1B[1;2P", 0x5400},   // Shift+F1
      {"\x1BO2P", 0x5400},     // Shift+F1, older xterm
      {"\x1B[15;5~", 0x6200},  // Ctrl+F5
      {"\x1B[21;3~", 0x7100},  // Alt+F10
      {"\x1B[24;2~", 0x8800},  // Shift+F12
      {"\x1B[23;5~", 0x8900},  // Ctrl+F11
      {"\x1B[11^", 0x5E00},    // rxvt Ctrl+F1
  });
  EXPECT_EQ(parse("\x1B[1;2P")[0].key.shift, kShiftState);
}

TEST(TerminalKeys, CursorBlockKeys) {
  expect_single_keys({
      {"\x1B[A", 0x4800}, {"\x1B[B", 0x5000}, {"\x1B[C", 0x4D00}, {"\x1B[D", 0x4B00},
      {"\x1BOA", 0x4800}, {"\x1BOB", 0x5000}, {"\x1BOC", 0x4D00}, {"\x1BOD", 0x4B00},
      {"\x1B[H", 0x4700}, {"\x1B[F", 0x4F00}, {"\x1BOH", 0x4700}, {"\x1BOF", 0x4F00},
      {"\x1B[1~", 0x4700}, {"\x1B[4~", 0x4F00}, {"\x1B[7~", 0x4700}, {"\x1B[8~", 0x4F00},
      {"\x1B[2~", 0x5200}, {"\x1B[3~", 0x5300}, {"\x1B[5~", 0x4900}, {"\x1B[6~", 0x5100},
      {"\x1B[Z", 0x0F00},
  });
}

TEST(TerminalKeys, CtrlWithCursorKeys) {
  expect_single_keys({
      {"\x1B[1;5D", 0x7300}, {"\x1B[1;5C", 0x7400},  // xterm Ctrl+Left/Right
      {"\x1BOd", 0x7300},    {"\x1BOc", 0x7400},     // rxvt
      {"\x1B[1;5H", 0x7700}, {"\x1B[1;5F", 0x7500},  // Ctrl+Home/End
      {"\x1B[5;5~", 0x8400}, {"\x1B[6;5~", 0x7600},  // Ctrl+PgUp/PgDn
      {"\x1B[3;5~", 0x9300}, {"\x1B[1;3A", 0x9800},  // Ctrl+Del, Alt+Up
  });
  // Shift keeps the plain code and says so in the shift state.
  const auto shifted = parse("\x1B[1;2C");
  ASSERT_EQ(shifted.size(), 1u);
  EXPECT_EQ(shifted[0].key.code, 0x4D00);
  EXPECT_EQ(shifted[0].key.shift, kShiftState);
}

TEST(TerminalKeys, KeypadInApplicationMode) {
  expect_single_keys({
      {"\x1BOk", 0x4E2B}, {"\x1BOm", 0x4A2D}, {"\x1BOM", 0x1C0D},
      {"\x1BOp", 0x0B30}, {"\x1BOq", 0x0231}, {"\x1BOy", 0x0A39}, {"\x1BOn", 0x342E},
  });
}

TEST(TerminalKeys, ControlBytes) {
  expect_single_keys({
      {"\x7F", 0x0E08}, {"\x08", 0x0E08}, {"\t", 0x0F09}, {"\r", 0x1C0D}, {"\n", 0x1C0D},
      {"\x01", 0x1E01}, {"\x04", 0x2004}, {"\x0B", 0x250B}, {"\x0E", 0x310E},
      {"\x10", 0x1910}, {"\x11", 0x1011}, {"\x14", 0x1414}, {"\x17", 0x1117},
      {"\x19", 0x1519}, {"\x1A", 0x2C1A}, {"\x1C", 0x2B1C}, {"\x1F", 0x0C1F},
  });
  // Every letter but H, I, J and M (Backspace, Tab, Enter) by its own scan code.
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (letter == 'H' || letter == 'I' || letter == 'J' || letter == 'M') continue;
    const std::string byte(1, static_cast<char>(letter - 'A' + 1));
    EXPECT_EQ(codes(byte), std::vector<std::uint16_t>{keys::ctrl_letter(letter)}) << letter;
  }
  EXPECT_TRUE(parse(std::string(1, '\0')).empty());
}

TEST(TerminalKeys, PrintableAsciiWithScanCodes) {
  expect_single_keys({{"t", 0x1474}, {"T", 0x1454}, {" ", 0x3920}, {"5", 0x0635}, {"?", 0x353F}});
  EXPECT_EQ(parse("T")[0].key.shift, kShiftState);
  EXPECT_EQ(parse("t")[0].key.shift, 0);
  EXPECT_EQ(codes("tak"), (std::vector<std::uint16_t>{0x1474, 0x1E61, 0x256B}));
}

TEST(TerminalKeys, Utf8LettersBecomeCp852) {
  // ą ć ę ł ń ó ś ź ż and Ą Ę Ł Ó Ś Ź Ż Ć Ń in CP852, no scan code.
  EXPECT_EQ(codes("ąćęłńóśźż"),
            (std::vector<std::uint16_t>{0xA5, 0x86, 0xA9, 0x88, 0xE4, 0xA2, 0x98, 0xAB, 0xBE}));
  EXPECT_EQ(codes("ĄĆĘŁŃÓŚŹŻ"),
            (std::vector<std::uint16_t>{0xA4, 0x8F, 0xA8, 0x9D, 0xE3, 0xE0, 0x97, 0x8D, 0xBD}));
  EXPECT_EQ(codes("§"), std::vector<std::uint16_t>{0xF5});
  // Characters the code page lacks and broken bytes type nothing.
  EXPECT_TRUE(parse("€").empty());
  EXPECT_TRUE(parse("\xFF").empty());
  EXPECT_EQ(codes("\xC5x"), std::vector<std::uint16_t>{0x2D78});
}

TEST(TerminalKeys, Utf8CharacterSplitAcrossReads) {
  TerminalKeyParser parser;
  std::vector<TerminalInput> out;
  parser.feed("\xC5", out);
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(parser.pending());
  parser.feed("\xBC", out);  // ż
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].key.code, 0xBE);
  EXPECT_FALSE(parser.pending());
}

TEST(TerminalKeys, AltLetters) {
  expect_single_keys({{"\x1B" "a", 0x1E00}, {"\x1B" "c", 0x2E00}, {"\x1B" "e", 0x1200},
                      {"\x1Bl", 0x2600},  {"\x1Bn", 0x3100},  {"\x1Bo", 0x1800},
                      {"\x1Bs", 0x1F00},  {"\x1Bz", 0x2C00},  {"\x1Bx", 0x2D00},
                      {"\x1Bp", 0x1900},  {"\x1B" "1", 0x7800}, {"\x1B" "0", 0x8100}});
  EXPECT_EQ(parse("\x1Bz")[0].key.shift, 0);
  const auto capital = parse("\x1BZ");
  ASSERT_EQ(capital.size(), 1u);
  EXPECT_EQ(capital[0].key.code, 0x2C00);
  EXPECT_EQ(capital[0].key.shift, kShiftState);
}

TEST(TerminalKeys, AltShiftOIsTheSequencePrefixLeftAlone) {
  const auto alone = parse("\x1BO", true);
  ASSERT_EQ(alone.size(), 1u);
  EXPECT_EQ(alone[0].key.code, 0x1800);
  EXPECT_EQ(alone[0].key.shift, kShiftState);
  // Followed at once by Enter: both keys.
  EXPECT_EQ(codes("\x1BO\r"), (std::vector<std::uint16_t>{0x1800, 0x1C0D}));
}

TEST(TerminalKeys, EscAloneOnlyAfterTheDelay) {
  TerminalKeyParser parser;
  std::vector<TerminalInput> out;
  parser.feed("\x1B", out);
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(parser.pending());
  parser.delay_passed(out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].key.code, 0x011B);
  EXPECT_FALSE(parser.pending());
  // Two presses, and Esc just before Enter.
  EXPECT_EQ(codes("\x1B\x1B", true), (std::vector<std::uint16_t>{0x011B, 0x011B}));
  EXPECT_EQ(codes("\x1B\r"), (std::vector<std::uint16_t>{0x011B, 0x1C0D}));
}

TEST(TerminalKeys, SequenceSplitAcrossReads) {
  TerminalKeyParser parser;
  std::vector<TerminalInput> out;
  parser.feed("\x1B[1", out);
  parser.feed("5", out);
  EXPECT_TRUE(out.empty());
  parser.feed("~x", out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].key.code, 0x3F00);
  EXPECT_EQ(out[1].key.code, 0x2D78);
}

TEST(TerminalKeys, UnknownSequencesAreSwallowedWhole) {
  EXPECT_EQ(codes("\x1B[99~a"), std::vector<std::uint16_t>{0x1E61});
  EXPECT_EQ(codes("\x1B[?1;2cb"), std::vector<std::uint16_t>{0x3062});
  EXPECT_EQ(codes("\x1B[1;5Xc"), std::vector<std::uint16_t>{0x2E63});
  EXPECT_EQ(codes("\x1BOzd"), std::vector<std::uint16_t>{0x2064});
  EXPECT_EQ(codes("\x1B[[Ze"), std::vector<std::uint16_t>{0x1265});
  EXPECT_EQ(codes("\x1B[Eq"), std::vector<std::uint16_t>{0x1071});  // keypad 5
  EXPECT_EQ(codes("\x1B" "!t"), std::vector<std::uint16_t>{0x1474});
  // An unfinished sequence cut off by the delay types nothing.
  EXPECT_TRUE(parse("\x1B[1;5", true).empty());
  // A sequence broken by a control byte: the control byte still counts.
  EXPECT_EQ(codes("\x1B[12\r"), std::vector<std::uint16_t>{0x1C0D});
  // Endless parameter bytes are dropped, not held for ever.
  TerminalKeyParser parser;
  std::vector<TerminalInput> out;
  parser.feed("\x1B[" + std::string(40, '1'), out);
  EXPECT_FALSE(parser.pending());
  EXPECT_TRUE(out.empty());
}

TEST(TerminalKeys, SgrMouseClicks) {
  const auto left = parse("\x1B[<0;12;7M");
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].kind, TerminalInput::kMouse);
  EXPECT_EQ(left[0].mouse.buttons, 1);
  EXPECT_EQ(left[0].mouse.col, 12);
  EXPECT_EQ(left[0].mouse.row, 7);
  const auto right = parse("\x1B[<2;80;25M");
  ASSERT_EQ(right.size(), 1u);
  EXPECT_EQ(right[0].mouse.buttons, 2);
  EXPECT_EQ(right[0].mouse.col, 80);
  EXPECT_EQ(right[0].mouse.row, 25);
  EXPECT_EQ(parse("\x1B[<1;3;4M")[0].mouse.buttons, 4);
  // With Ctrl held (16) still a left click.
  EXPECT_EQ(parse("\x1B[<16;3;4M")[0].mouse.buttons, 1);
  // Releases, motion and the wheel are no clicks; nothing leaks as typing.
  EXPECT_TRUE(parse("\x1B[<0;12;7m").empty());
  EXPECT_TRUE(parse("\x1B[<32;12;7M").empty());
  EXPECT_TRUE(parse("\x1B[<64;12;7M").empty());
  EXPECT_EQ(codes("\x1B[<0;12;7M\x1B[<0;12;7mq"), (std::vector<std::uint16_t>{0xFFFF, 0x1071}));
}

TEST(TerminalKeys, X10MouseClicks) {
  const auto press = parse(std::string("\x1B[M") + char(32 + 0) + char(32 + 5) + char(32 + 9));
  ASSERT_EQ(press.size(), 1u);
  EXPECT_EQ(press[0].kind, TerminalInput::kMouse);
  EXPECT_EQ(press[0].mouse.buttons, 1);
  EXPECT_EQ(press[0].mouse.col, 5);
  EXPECT_EQ(press[0].mouse.row, 9);
  EXPECT_EQ(parse(std::string("\x1B[M") + char(32 + 2) + "!!")[0].mouse.buttons, 2);
  EXPECT_TRUE(parse(std::string("\x1B[M") + char(32 + 3) + "!!").empty());
  // Coordinates past column 95 arrive as bytes above 0x7F.
  const auto far = parse(std::string("\x1B[M") + char(32) + char(32 + 100) + char(32 + 3));
  ASSERT_EQ(far.size(), 1u);
  EXPECT_EQ(far[0].mouse.col, 100);
  // Incomplete until all three bytes came.
  TerminalKeyParser parser;
  std::vector<TerminalInput> out;
  parser.feed("\x1B[M !", out);
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(parser.pending());
}

}  // namespace
}  // namespace vx::platform
