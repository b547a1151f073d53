#include "charset/polish.hpp"

#include <gtest/gtest.h>

#include "charset/cp852.hpp"
#include "support/fixture.hpp"

namespace vx::charset {
namespace {

Charsets mazovia_to_852() { return {1, kMazovia, kCp852}; }

TEST(PolishLetters, EveryMazoviaLetterBecomesItsCp852Form) {
  // The 18 Polish letters, written out independently of the program's table.
  const std::string letters = "ąćęłńóśżźĄĆĘŁŃÓŚŻŹ";
  EXPECT_EQ(convert_text(mazovia_to_852(), test::mazovia(letters)), test::cp852_bytes(letters));
  // The other letters of the rows: ü ë ä ö ő and capitals share their codes.
  const std::string shared = "\x81\x89\x84\x94\x8B\x9A\xD3\x8E\x99\x8A";
  EXPECT_EQ(convert_text(mazovia_to_852(), shared), shared);
}

TEST(PolishLetters, AllThirtyTwoPositionsFollowTheTable) {
  const auto& maz = kPolishLetters[kMazovia];
  const auto& cp = kPolishLetters[kCp852];
  for (int p = 0; p < 32; ++p) {
    if (maz[p] == 0) continue;  // Mazovia lacks č and š
    std::string one(1, static_cast<char>(maz[p]));
    EXPECT_EQ(static_cast<std::uint8_t>(convert_text(mazovia_to_852(), one)[0]), cp[p]) << p;
  }
}

TEST(PolishLetters, KeepingTheStandardChangesNothing) {
  Charsets keep{0, kMazovia, kCp852};
  const std::string text = test::mazovia("zażółć gęślą jaźń");
  EXPECT_EQ(convert_text(keep, text), text);
  std::vector<std::uint8_t> buf(text.begin(), text.end());
  convert_buffer(keep, buf);
  EXPECT_EQ(std::string(buf.begin(), buf.end()), text);
}

TEST(PolishLetters, BufferConversionLeavesOtherBytes) {
  std::vector<std::uint8_t> buf = {0x86, 0x00, 'A', '1', 0xA4, 0x9E, 0xFF};
  convert_buffer(mazovia_to_852(), buf);
  EXPECT_EQ(buf, (std::vector<std::uint8_t>{0xA5, 0x00, 'A', '1', 0xE4, 0x98, 0xFF}));
}

TEST(PolishCase, UpperAndLowerIncludePolishLetters) {
  EXPECT_EQ(upper_text(test::cp852_bytes("zażółć 12,-")), test::cp852_bytes("ZAŻÓŁĆ 12,-"));
  EXPECT_EQ(lower_text(test::cp852_bytes("GĘŚLĄ JAŹŃ")), test::cp852_bytes("gęślą jaźń"));
}

TEST(PolishCollation, OrdersAsTheSystemDoes) {
  EXPECT_EQ(compare_texts("Ala", "ala"), 1);
  EXPECT_EQ(compare_texts("ala", "Ala"), -1);
  EXPECT_EQ(compare_texts(test::cp852_bytes("Zz"), test::cp852_bytes("Żz")), 1);
  EXPECT_EQ(compare_texts(test::cp852_bytes("Żaba"), test::cp852_bytes("Źdźbło")), 1);
  EXPECT_EQ(compare_texts("abc", "abcd"), 1);
  EXPECT_EQ(compare_texts("abc", "abc"), 0);
  EXPECT_EQ(compare_texts(test::cp852_bytes("Łódź"), "Lz"), -1);
  EXPECT_EQ(compare_texts("_a", " a"), 1);  // underscore before blank
}

TEST(Cp852Literal, ConvertsAtCompileTime) {
  constexpr auto text = cp852("Błąd ż");
  static_assert(text.size == 6);
  EXPECT_EQ(text.view(), "B\x88\xA5" "d \xBE");
}

}  // namespace
}  // namespace vx::charset
