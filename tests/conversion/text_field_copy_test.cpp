#include <gtest/gtest.h>

#include "recordfile/text_fields.hpp"
#include "support/fixture.hpp"

namespace vx::test {
namespace {

constexpr charset::Charsets kMazoviaTo852{1, charset::kMazovia, charset::kCp852};
constexpr TextField kFields[] = {{0, 5}, {6, 10}};

TEST(TextFieldCopy, ConvertsTheTextOnlyAndCutsAnOverlongLength) {
  Record old(20);
  old.fill(0, 20, 0x86);  // ą everywhere, also beyond the texts
  old.u8(0, 9);           // longer than the capacity of 5
  old.u8(6, 2);
  Record fresh(20);
  convert_texts_into(ConstRecordView(old.bytes()), fresh.view(), kFields, kMazoviaTo852);
  const Bytes expected = {5, 0xA5, 0xA5, 0xA5, 0xA5, 0xA5, 2, 0xA5, 0xA5, 0,
                          0, 0,    0,    0,    0,    0,    0, 0,    0,    0};
  EXPECT_EQ(fresh.bytes(), expected);

  convert_texts(old.view(), kFields, kMazoviaTo852);
  EXPECT_EQ(old.bytes()[0], 5);
  EXPECT_EQ(old.bytes()[5], 0xA5);
  EXPECT_EQ(old.bytes()[9], 0x86);  // behind the second text's two letters
  EXPECT_EQ(old.bytes()[19], 0x86);
}

TEST(TextFieldCopy, WithoutConversionTheFieldsAreCopiedAsStored) {
  Record old(20);
  old.fill(0, 20, 0x86);
  old.u8(0, 9);
  Record fresh(20);
  convert_texts_into(ConstRecordView(old.bytes()), fresh.view(), kFields, {0, 1, 2});
  Bytes expected(old.bytes().begin(), old.bytes().begin() + 17);
  expected.resize(20, 0);
  EXPECT_EQ(fresh.bytes(), expected);
}

}  // namespace
}  // namespace vx::test
