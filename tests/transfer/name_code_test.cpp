#include "transfer/name_code.hpp"

#include <gtest/gtest.h>

#include "support/fixture.hpp"

namespace vx::test {
namespace {

using transfer::convert_name_code;

// A person record's office block at 513: name (text 65), code (text 4) at 579.
Record person_with_office() {
  Record r(2048);
  r.fill(0, 2048, 0x86);  // Mazovia ą everywhere around the block
  r.fill(513, 71, 0);
  r.text(513, 65, mazovia("Urząd Skarbowy Łódź"));
  r.u8(513 + 40, 0x86);  // beyond the name's length: not part of the text
  // All four code characters: the block's last byte is 583.
  r.text(579, 4,
         "\x86"
         "123");
  return r;
}

TEST(NameCode, NameIsConvertedAndCodeStaysAsStored) {
  Record old = person_with_office();
  Record fresh(2048);
  convert_name_code(ConstRecordView(old.bytes()), fresh.view(), 513,
                    {1, charset::kMazovia, charset::kCp852});

  Record expected(2048);
  expected.text(513, 65, cp852_bytes("Urząd Skarbowy Łódź"));
  expected.u8(513 + 40, 0x86);
  expected.text(579, 4,
                "\x86"
                "123");
  EXPECT_EQ(fresh.bytes(), expected.bytes());  // 513..583 written, nothing outside
}

TEST(NameCode, InPlaceAndWithoutConversion) {
  Record rec = person_with_office();
  convert_name_code(rec.view(), 513, {1, charset::kMazovia, charset::kCp852});
  EXPECT_EQ(rec.view().text(513, 65), cp852_bytes("Urząd Skarbowy Łódź"));
  EXPECT_EQ(rec.view().text(579, 4),
            "\x86"
            "123");
  EXPECT_EQ(rec.bytes()[512], 0x86);
  EXPECT_EQ(rec.bytes()[584], 0x86);

  const Record old = person_with_office();
  Record fresh(2048);
  convert_name_code(ConstRecordView(old.bytes()), fresh.view(), 513,
                    {0, charset::kMazovia, charset::kCp852});
  EXPECT_TRUE(std::equal(fresh.bytes().begin() + 513, fresh.bytes().begin() + 584,
                         old.bytes().begin() + 513));
}

TEST(NameCode, AnOverlongLengthIsCutToTheNameCapacity) {
  Record rec(71);
  rec.fill(1, 65, 0x86);
  rec.u8(0, 200);
  rec.text(66, 4, "AB");
  convert_name_code(rec.view(), 0, {1, charset::kMazovia, charset::kCp852});
  EXPECT_EQ(rec.bytes()[0], 65);
  EXPECT_EQ(rec.bytes()[65], 0xA5);
  EXPECT_EQ(rec.view().text(66, 4), "AB");
}

}  // namespace
}  // namespace vx::test
