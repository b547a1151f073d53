#include "platform/console_keys.hpp"

#include <gtest/gtest.h>

namespace vx::platform {
namespace {

struct Case {
  std::uint8_t scan;
  char32_t ch;
  std::uint32_t modifiers;
  std::uint16_t code;  // the PC key, 0xFFFF for none
};

void expect_keys(const std::vector<Case>& table) {
  for (const auto& c : table) {
    const auto key = pc_key({c.scan, c.ch, c.modifiers});
    const std::uint16_t got = key ? key->code : 0xFFFF;
    EXPECT_EQ(got, c.code) << std::hex << "scan " << int(c.scan) << " char " << std::uint32_t(c.ch)
                           << " modifiers " << c.modifiers;
  }
}

TEST(ConsoleKeys, CharactersKeepTheirScanCodes) {
  expect_keys({
      {0x1E, U'a', 0, 0x1E61},
      {0x1E, U'A', kShiftHeld, 0x1E41},
      {0x02, U'1', 0, 0x0231},
      {0x02, U'!', kShiftHeld, 0x0221},
      {0x39, U' ', 0, 0x3920},
      {0x1C, U'\r', 0, 0x1C0D},
      {0x1C, U'\n', kLeftCtrl, 0x1C0A},
      {0x01, U'\x1B', 0, 0x011B},
      {0x0E, U'\b', 0, 0x0E08},
      {0x0F, U'\t', 0, 0x0F09},
      {0x0F, U'\t', kShiftHeld, 0x0F00},
      {0x11, U'\x17', kLeftCtrl, 0x1117},   // Ctrl+W
      {0x4E, U'+', 0, 0x4E2B},              // grey plus
      {0x4A, U'-', 0, 0x4A2D},              // grey minus
  });
}

TEST(ConsoleKeys, PolishLettersAsCp852WithoutScanCode) {
  expect_keys({
      {0x1E, U'ą', kRightAlt | kLeftCtrl, 0x00A5},   // AltGr+A
      {0x2E, U'Ć', kRightAlt | kLeftCtrl | kShiftHeld, 0x008F},
      {0x18, U'ó', kRightAlt | kLeftCtrl, 0x00A2},
      {0x2C, U'ż', kRightAlt | kLeftCtrl, 0x00BE},
      {0x26, U'Ł', kRightAlt | kLeftCtrl | kShiftHeld, 0x009D},
      {0x1E, U'é', 0, 0x0082},
      {0x1E, U'€', 0, 0xFFFF},  // not in CP852
  });
}

TEST(ConsoleKeys, FunctionAndCursorKeysWithModifiers) {
  expect_keys({
      {0x3B, 0, 0, 0x3B00},          {0x44, 0, 0, 0x4400},
      {0x3F, 0, kShiftHeld, 0x5800}, {0x3B, 0, kLeftCtrl, 0x5E00},
      {0x44, 0, kLeftAlt, 0x7100},   {0x57, 0, 0, 0x8500},
      {0x58, 0, 0, 0x8600},          {0x58, 0, kShiftHeld, 0x8800},
      {0x57, 0, kRightCtrl, 0x8900}, {0x58, 0, kLeftAlt, 0x8C00},
      {0x48, 0, 0, 0x4800},          {0x50, 0, 0, 0x5000},
      {0x4B, 0, 0, 0x4B00},          {0x4B, 0, kLeftCtrl, 0x7300},
      {0x4D, 0, kRightCtrl, 0x7400}, {0x47, 0, kLeftCtrl, 0x7700},
      {0x4F, 0, kLeftCtrl, 0x7500},  {0x49, 0, kLeftCtrl, 0x8400},
      {0x51, 0, kLeftCtrl, 0x7600},  {0x53, 0, 0, 0x5300},
      {0x52, 0, 0, 0x5200},
  });
}

TEST(ConsoleKeys, AltLettersAndModifiersAlone) {
  expect_keys({
      {0x1E, U'a', kLeftAlt, 0x1E00},
      {0x2D, U'x', kLeftAlt, 0x2D00},
      {0x2A, 0, kShiftHeld, 0xFFFF},  // left Shift
      {0x36, 0, kShiftHeld, 0xFFFF},  // right Shift
      {0x1D, 0, kLeftCtrl, 0xFFFF},
      {0x38, 0, kLeftAlt, 0xFFFF},
      {0x3A, 0, 0, 0xFFFF},           // Caps Lock
      {0x45, 0, 0, 0xFFFF},           // Num Lock
  });
}

TEST(ConsoleKeys, ShiftStateTravelsWithTheKey) {
  EXPECT_EQ(pc_key({0x1E, U'A', kShiftHeld})->shift, kShiftState);
  EXPECT_EQ(pc_key({0x48, 0, kShiftHeld})->shift, kShiftState);
  EXPECT_EQ(pc_key({0x1E, U'a', 0})->shift, 0);
}

}  // namespace
}  // namespace vx::platform
