#include "charset/polish.hpp"

#include <gtest/gtest.h>

#include "charset/cp852.hpp"
#include "charset/utf8.hpp"
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

// The letter rows as the standards encode them: ą ć ę ł ń ó ś ż ź ü ë ä ö ő
// č š, the capitals, then §. Written out from the code pages, not taken from
// the program's table.
constexpr std::uint8_t kRows[8][33] = {
    {'a', 'c', 'e', 'l', 'n', 'o', 's', 'z', 'z', 'u', 'e', 'a', 'o', 'o', 'c', 's',
     'A', 'C', 'E', 'L', 'N', 'O', 'S', 'Z', 'Z', 'U', 'E', 'A', 'O', 'O', 'C', 'S', 21},
    {134, 141, 145, 146, 164, 162, 158, 167, 166, 129, 137, 132, 148, 139, 0, 0,
     143, 149, 144, 156, 165, 163, 152, 161, 160, 154, 211, 142, 153, 138, 0, 0, 21},
    {165, 134, 169, 136, 228, 162, 152, 190, 171, 129, 137, 132, 148, 139, 159, 231,
     164, 143, 168, 157, 227, 224, 151, 189, 141, 154, 211, 142, 153, 138, 172, 230, 21},
    {44, 39, 44, 47, 39, 39, 39, 39, 96, 32, 32, 32, 32, 32, 39, 39,
     44, 39, 44, 47, 39, 39, 39, 45, 39, 32, 32, 32, 32, 32, 39, 39, 21},
    {177, 230, 234, 179, 241, 243, 182, 191, 188, 252, 235, 228, 246, 245, 232, 185,
     161, 198, 202, 163, 209, 211, 166, 175, 172, 220, 203, 196, 214, 213, 200, 169, 167},
    {185, 230, 234, 179, 241, 243, 156, 191, 159, 252, 235, 228, 246, 245, 232, 154,
     165, 198, 202, 163, 209, 211, 140, 175, 143, 220, 203, 196, 214, 213, 200, 138, 167},
    {196, 196, 196, 197, 197, 195, 197, 197, 197, 197, 195, 195, 195, 197, 196, 197,
     196, 196, 196, 197, 197, 195, 197, 197, 197, 195, 195, 195, 195, 197, 196, 197, 194},
    {133, 135, 153, 130, 132, 179, 155, 188, 186, 188, 171, 164, 182, 145, 141, 161,
     132, 134, 152, 129, 131, 147, 154, 187, 185, 156, 139, 132, 150, 144, 140, 160, 167},
};

TEST(PolishLetters, TheTableHoldsEveryStandardsLetters) {
  for (int row = 0; row < 8; ++row)
    for (int p = 0; p < 33; ++p) EXPECT_EQ(kPolishLetters[row][p], kRows[row][p]) << row << ' ' << p;
}

TEST(PolishLetters, AllThirtyTwoPositionsGoFromMazoviaToCp852) {
  for (int p = 0; p < 32; ++p) {
    if (kRows[kMazovia][p] == 0) continue;  // Mazovia lacks č and š
    const std::string one(1, static_cast<char>(kRows[kMazovia][p]));
    EXPECT_EQ(static_cast<std::uint8_t>(convert_text(mazovia_to_852(), one)[0]), kRows[kCp852][p]) << p;
  }
  // The code-0 entries stand for missing letters: byte 0 stays 0.
  EXPECT_EQ(convert_text(mazovia_to_852(), std::string(1, '\0')), std::string(1, '\0'));
  // Mazovia ą ń ś.
  EXPECT_EQ(convert_text(mazovia_to_852(), "\x86\xA4\x9E"), "\xA5\xE4\x98");
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

TEST(Utf8, OnlyWellFormedTextIsTakenForUtf8) {
  const struct {
    const char* bytes;
    bool valid;
  } cases[] = {
      {"", true},
      {"ASCII", true},
      {"Łódź €", true},                  // two- and three-byte forms
      {"\xF0\x9F\x98\x80", true},         // four bytes
      {"\xF4\x8F\xBF\xBF", true},         // U+10FFFF
      {"\xA5", false},                   // CP852 ą: a continuation byte alone
      {"\xC5", false},                   // cut short at the end
      {"\xC5" "A", false},               // no continuation
      {"\xC0\x80", false},               // overlong NUL
      {"\xE0\x80\xAF", false},           // overlong slash
      {"\xF0\x80\x80\xAF", false},       // overlong slash
      {"\xED\xA0\x80", false},           // surrogate
      {"\xF4\x90\x80\x80", false},       // above U+10FFFF
      {"\xF8\x88\x80\x80\x80", false},   // five bytes
  };
  for (const auto& c : cases) EXPECT_EQ(is_valid_utf8(c.bytes), c.valid) << c.bytes;
}

}  // namespace
}  // namespace vx::charset
