// Records carried from the old buffer into a new one: built on zeros with
// only the named bytes, or carried whole with their texts converted.
#include <gtest/gtest.h>

#include "conversion/record_converters.hpp"
#include "support/converter_check.hpp"

namespace vx::test {
namespace {

struct Range {
  std::size_t offset, length;
};

// The new record of a converter whose target starts cleared: zeros, the
// texts (converted, or as stored when the standard is kept: the characters,
// nothing after them), either way with a length byte beyond the capacity cut
// to it, and the ranges copied.
Record rebuilt(const Record& old, const Fields& texts, const std::vector<Range>& copied, bool convert) {
  Record out(old.bytes().size());
  if (convert)
    put_converted(out, old, texts);
  else
    for (const auto& f : texts) {
      const auto length = std::min<std::size_t>(old.bytes()[f.offset], f.capacity);
      out.u8(f.offset, static_cast<std::uint8_t>(length));
      copy_bytes(out, old, f.offset + 1, length);
    }
  for (const auto& r : copied) copy_bytes(out, old, r.offset, r.length);
  return out;
}

const Fields kAddressTexts = {{5, 36},   {42, 36},  {79, 36},  {181, 20}, {202, 30},
                              {233, 20}, {254, 20}, {275, 36}, {388, 36}, {425, 36}};
const std::vector<Range> kAddressCopied = {{0, 4},    {116, 19}, {135, 15}, {150, 12},
                                           {162, 7},  {312, 39}, {462, 1}};
const Fields kTaxOfficeTexts = {{5, 48}, {61, 26}, {88, 44}, {133, 52}, {186, 20}};
const std::vector<Range> kTaxOfficeCopied = {{0, 4},    {54, 7},   {402, 5},  {207, 39},
                                             {246, 39}, {285, 39}, {324, 39}, {363, 39}};

TEST(AddressRecord, AddressVariantBuildsOnZeros) {
  for (bool convert : {true, false}) {
    const Record old = mazovia_record(480, kAddressTexts);
    Record expected = rebuilt(old, kAddressTexts, kAddressCopied, convert);
    expected.u8(4, 0);
    EXPECT_EQ(run_two_size(conversion::convert_address, old, convert), expected.bytes()) << convert;
  }
}

TEST(AddressRecord, TaxOfficeVariantBuildsOnZeros) {
  for (bool convert : {true, false}) {
    const Record old = mazovia_record(480, kTaxOfficeTexts);
    Record expected = rebuilt(old, kTaxOfficeTexts, kTaxOfficeCopied, convert);
    expected.u8(4, 1);
    EXPECT_EQ(run_two_size(conversion::convert_tax_office, old, convert), expected.bytes()) << convert;
  }
}

TEST(AutomatRecord, OnlyTheTextsAreCarried) {
  const Fields texts = {{19, 36}, {56, 36}, {93, 36}, {130, 20}};
  for (bool convert : {true, false}) {
    const Record old = mazovia_record(160, texts);
    EXPECT_EQ(run_two_size(conversion::convert_automat, old, convert),
              rebuilt(old, texts, {}, convert).bytes());
  }
}

TEST(TransferOrderRecord, BlockTextsFollowTheOrderKind) {
  const Fields texts = {{1, 54}, {56, 54}, {150, 54}, {205, 54}};
  const std::vector<Range> copied = {{0, 1}, {111, 39}, {260, 39}, {299, 110},
                                     {409, 8}, {417, 4}, {421, 2}};
  const std::vector<std::pair<std::uint8_t, Fields>> kinds = {
      {0, {{299, 54}, {354, 54}}}, {1, {{362, 20}}}, {2, {}}};
  for (const auto& [kind, block_texts] : kinds) {
    Record old = mazovia_record(432, texts);
    for (const auto& f : block_texts) old.text(f.offset, f.capacity, mazovia("Łódź"));
    old.u8(0, kind);
    Record expected = rebuilt(old, texts, copied, true);
    for (const auto& f : block_texts) expected.text(f.offset, f.capacity, cp852_bytes("Łódź"));
    EXPECT_EQ(run_two_size(conversion::convert_transfer_order, old, true), expected.bytes())
        << int(kind);
    EXPECT_EQ(run_two_size(conversion::convert_transfer_order, old, false),
              rebuilt(old, texts, copied, false).bytes());
  }
}

TEST(InternalVoucherRecord, TenEntriesKeepTheirAmounts) {
  Fields texts = {{5, 22}, {28, 36}, {684, 31}, {716, 22}};
  std::vector<Range> copied = {{0, 1}, {65, 1}};
  for (std::size_t i = 1; i <= 10; ++i) {
    const std::size_t entry = 13 + 61 * i;
    texts.push_back({entry, 36});
    for (std::size_t d : {37u, 45u, 53u}) copied.push_back({entry + d, 8});
  }
  for (bool convert : {true, false}) {
    const Record old = mazovia_record(784, texts);
    EXPECT_EQ(run_two_size(conversion::convert_internal_voucher, old, convert),
              rebuilt(old, texts, copied, convert).bytes());
  }
}

TEST(CorrectionNoteRecord, CarriedWholeWithTheTextsConverted) {
  Fields texts = {{4, 16}, {25, 20}, {46, 22}};
  for (std::size_t party : {73u, 225u})
    for (auto [at, capacity] : {std::pair<std::size_t, std::size_t>{19, 36}, {56, 36}, {100, 20}, {121, 30}})
      texts.push_back({party + at, capacity});
  texts = texts + run_of(6, 338 + 39, 39, 38) + run_of(6, 572 + 39, 39, 38);
  Record old = mazovia_record(848, texts);
  old.u32(0, 11).u32(21, 22).u32(69, 33);
  old.text(73, 18, mazovia("Kod")).text(225 + 93, 6, mazovia("ąę"));  // codes stay as they are
  EXPECT_EQ(run_two_size(conversion::convert_correction_note, old, true),
            converted_in_place(old, texts).bytes());
  EXPECT_EQ(run_two_size(conversion::convert_correction_note, old, false), old.bytes());
}

TEST(CompanyRecord, CarriedWholeCodesOnlyCut) {
  const Fields texts = {{0, 18},   {19, 22},  {42, 26},  {69, 30},  {100, 7}, {108, 7},
                        {116, 26}, {150, 26}, {177, 5},  {183, 12}, {196, 12}};
  Record old = mazovia_record(224, texts);
  old.text(143, 6, mazovia("ąą")).u8(209, 40);
  Record expected = converted_in_place(old, texts);
  expected.u8(209, 12);
  EXPECT_EQ(run_two_size(conversion::convert_company, old, true), expected.bytes());
  EXPECT_EQ(run_two_size(conversion::convert_company, old, false), old.bytes());
}

}  // namespace
}  // namespace vx::test
