#pragma once
// The standards of Polish letters: each row lists ą ć ę ł ń ó ś ż ź ü ë ä ö ő
// č š, the same in upper case, then §, as that standard encodes them.
// A 0 marks a letter the standard lacks.
#include <array>
#include <cstdint>

namespace vx::charset {

inline constexpr int kLettersPerRow = 33;
inline constexpr int kStandardCount = 8;

enum Standard : std::uint8_t {
  kPlainLetters = 0,
  kMazovia = 1,
  kCp852 = 2,
  kMarksOnly = 3,
  kIso8859_2 = 4,
  kWindows1250 = 5,
  kLineDrawing = 6,
  kOther8Bit = 7,
};

using LetterRow = std::array<std::uint8_t, kLettersPerRow>;

inline constexpr std::array<LetterRow, kStandardCount> kPolishLetters = {{
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
}};

// Position (0-based) of the tenth letter of a row: ü. Its CP852 code 0x81
// marks annual settings converted to CP852.
inline constexpr int kCodePageMarkerPosition = 9;

}  // namespace vx::charset
