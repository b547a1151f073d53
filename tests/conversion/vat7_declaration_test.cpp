#include "conversion/vat7_declaration.hpp"

#include <gtest/gtest.h>

#include "conversion/office_fixture.hpp"
#include "support/platform_seams.hpp"
#include "transfer/copy_test_support.hpp"

namespace vx::test {
namespace {

using conversion::convert_vat7_declarations;

constexpr std::size_t kEntry = 1168;
constexpr std::size_t kOld = 14048;
constexpr std::size_t kNew = 1408;

// An old VAT-7 file with a declaration of kind 0 in every month; each entry
// carries its month number at 100 and a value at 59.
Record old_declarations(std::uint8_t first_month) {
  Record r(kOld);
  for (std::size_t m = 1; m <= 12; ++m) {
    const std::size_t e = kEntry * (m - 1);
    r.u16(e + 0, 0).u8(e + 36, 1).u32(e + 59, static_cast<std::uint32_t>(1000 + m));
    r.u8(e + 100, static_cast<std::uint8_t>(m)).u8(e + kEntry - 1, 0xEE);
  }
  r.u8(14016, first_month);
  return r;
}

std::vector<std::size_t> months_in(const Bytes& out) {
  std::vector<std::size_t> months;
  for (std::size_t at = 0; at + kNew <= out.size(); at += kNew) months.push_back(out[at]);
  return months;
}

TEST(Vat7, EveryDeclaredMonthBecomesARecordOfTheNewLayout) {
  ScriptedRun r;
  CompanyDirs c(r);
  Record old = old_declarations(0);  // 0 counts as January
  old.u8(kEntry * 2 + 37, 5);        // March marked for the flag word
  old.u16(kEntry * 5, 2);            // June of kind 2
  write_file(c.old_file("2018v7.17"), old.bytes());
  convert_vat7_declarations(r.run().company_job, c.company);

  const Bytes out = read_file(c.new_file("2018vJ17.REK"));
  ASSERT_EQ(out.size(), 12 * kNew);
  for (std::size_t m = 1; m <= 12; ++m) {
    const ConstRecordView rec{std::span<const std::uint8_t>(out).subspan((m - 1) * kNew, kNew)};
    Record expected(kNew);
    expected.u32(0, static_cast<std::uint32_t>(m)).u16(4, 2018).u8(6, static_cast<std::uint8_t>(m));
    expected.u16(7, m == 3 ? 1 : 0)
        .u8(9, m == 6 ? 2 : 0)
        .u32(10, static_cast<std::uint32_t>(1000 + m));
    expected.u32(14, 0xFFFFFFFF).text(73, 20, "f(vx17-18)");
    std::copy(old.bytes().begin() + static_cast<long>(kEntry * (m - 1)),
              old.bytes().begin() + static_cast<long>(kEntry * m), expected.bytes().begin() + 112);
    EXPECT_EQ(Bytes(rec.bytes().begin(), rec.bytes().end()), expected.bytes()) << "month " << m;
  }
  EXPECT_EQ(r.row(1), "Konwersja VAT old(2018) -> new(2018)");
  EXPECT_EQ(r.row(2), "mc:Styczeń");
  EXPECT_EQ(r.row(13), "mc:Grudzień");
}

TEST(Vat7, StartsAtTheFirstMonthAndLeavesOutUndeclaredMonths) {
  ScriptedRun r;
  CompanyDirs c(r);
  Record old = old_declarations(4);
  old.u16(kEntry * 5, 1);      // June of kind 1
  old.u8(kEntry * 7 + 36, 2);  // August: byte 36 is not 1
  old.u8(kEntry * 0 + 36, 0);  // before the first month anyway
  write_file(c.old_file("2018v7.17"), old.bytes());
  convert_vat7_declarations(r.run().company_job, c.company);
  const Bytes out = read_file(c.new_file("2018vJ17.REK"));
  EXPECT_EQ(months_in(out), (std::vector<std::size_t>{4, 5, 7, 9, 10, 11, 12}));
  EXPECT_EQ(out[kNew * 3 + 112 + 100], 9);  // the fourth record holds September's entry
  EXPECT_EQ(r.row(4), "mc:Lipiec");
}

TEST(Vat7, OnlyTheFirst14048BytesCountAndAShortFileGivesNothing) {
  ScriptedRun r;
  CompanyDirs c(r);
  Record old = old_declarations(12);
  Bytes longer = old.bytes();
  longer.resize(kOld + 500, 0x77);
  write_file(c.old_file("2018v7.17"), longer);
  convert_vat7_declarations(r.run().company_job, c.company);
  EXPECT_EQ(read_file(c.new_file("2018vJ17.REK")).size(), kNew);

  ScriptedRun r2;
  CompanyDirs short_one(r2);
  Bytes shorter = old.bytes();
  shorter.resize(kOld - 1);
  write_file(short_one.old_file("2018v7.17"), shorter);
  convert_vat7_declarations(r2.run().company_job, short_one.company);
  EXPECT_FALSE(file_exists(short_one.new_file("2018vJ17.REK")));
}

TEST(Vat7, MissingSourceIsSilentAndAnOldTargetIsReplacedUnasked) {
  ScriptedRun r;  // no key for a question
  CompanyDirs c(r);
  write_file(c.new_file("2018vJ17.REK"), Bytes(5000, 1));
  convert_vat7_declarations(r.run().company_job, c.company);
  EXPECT_EQ(r.row(1), "");
  EXPECT_EQ(read_file(c.new_file("2018vJ17.REK")), Bytes(5000, 1));

  write_file(c.old_file("2018v7.17"), old_declarations(11).bytes());
  convert_vat7_declarations(r.run().company_job, c.company);
  EXPECT_EQ(months_in(read_file(c.new_file("2018vJ17.REK"))), (std::vector<std::size_t>{11, 12}));
}

TEST(Vat7, AWriteOrCloseThatFailsLeavesTheEarlierFileAsItWas) {
  using platform::testing::Fault;
  for (const auto fault : {Fault::kWrite, Fault::kClose}) {
    SCOPED_TRACE(static_cast<int>(fault));
    ScriptedRun r("x\n");
    CompanyDirs c(r);
    write_file(c.old_file("2018v7.17"), old_declarations(0).bytes());
    write_file(c.new_file("2018vJ17.REK"), std::string("earlier"));
    {
      // The fifth month, or the close where the buffered months go out.
      const ArmedFault failing(fault, fault == Fault::kWrite ? 5 : 1);
      convert_vat7_declarations(r.run().company_job, c.company);
    }
    EXPECT_EQ(read_file(c.new_file("2018vJ17.REK")), as_bytes("earlier"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(c.new_file("")), {}), 1);
    // Only the close has a failure of its own to tell, as every copy's close.
    const std::string line = "Błąd zamknięcia zbioru " + c.new_file("2018vJ17.REK").string();
    EXPECT_EQ(row_starting(r, line) > 0, fault == Fault::kClose);
    EXPECT_EQ(r.console().screens_shown(), fault == Fault::kClose ? 1 : 0);
  }
}

}  // namespace
}  // namespace vx::test
