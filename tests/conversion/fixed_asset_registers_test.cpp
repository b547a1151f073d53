#include "conversion/fixed_asset_registers.hpp"

#include <gtest/gtest.h>

#include "conversion/in_place_layouts.hpp"
#include "conversion/record_converters.hpp"
#include "conversion/office_fixture.hpp"

namespace vx::test {
namespace {

using conversion::carry_fixed_asset_registers;

constexpr std::size_t kAsset = 39771;

Bytes register_list(std::initializer_list<std::string_view> base_names) {
  Bytes out;
  for (const auto name : base_names) {
    Record r(367);
    r.text(0, 50, mazovia("Środki")).text(51, 12, name).text(64, 50, "opis");
    out.insert(out.end(), r.bytes().begin(), r.bytes().end());
  }
  return out;
}

// One fixed-asset record with a Mazovia name at 4.
Bytes asset(std::string_view name) {
  Record r(kAsset);
  r.text(4, 60, mazovia(name));
  return r.bytes();
}

TEST(FixedAssetRegisters, CarriesTheRegistersOfThe2017ListButTheMainOne) {
  ScriptedRun r;
  CompanyDirs c(r);
  r.run().cs = kMazoviaTo852;
  write_file(c.old_file("stbazy.rek"), register_list({"Srodki", "MASZYNY", "brak", "auta"}));
  write_file(c.new_file("stbazy.rek"), register_list({"INNE"}));  // written a step before
  write_file(c.old_file("SRODKI.REK"), asset("główny"));
  write_file(c.old_file("MASZYNY.REK"), asset("tokarka żółta"));
  write_file(c.old_file("auta.REK"), asset("ciężarówka"));
  write_file(c.old_file("INNE.REK"), asset("inne"));

  carry_fixed_asset_registers(r.run().company_job, c.company);

  Record maszyny(kAsset), auta(kAsset);
  maszyny.text(4, 60, cp852_bytes("tokarka żółta"));
  auta.text(4, 60, cp852_bytes("ciężarówka"));
  EXPECT_EQ(read_file(c.new_file("MASZYNY.REK")), maszyny.bytes());
  EXPECT_EQ(read_file(c.new_file("auta.REK")), auta.bytes());
  EXPECT_FALSE(file_exists(c.new_file("SRODKI.REK")));
  EXPECT_FALSE(file_exists(c.new_file("INNE.REK")));
  // The missing register is announced and the next one follows.
  EXPECT_TRUE(r.row(1).starts_with("Kopiuje " + c.old_file("MASZYNY.REK").string()));
  EXPECT_EQ(r.row(2), "Brak pliku źródłowego " + c.old_file("brak.REK").string());
  EXPECT_TRUE(r.row(3).starts_with("Kopiuje " + c.old_file("auta.REK").string()));
}

TEST(FixedAssetRegisters, NamesLeadingOutOfTheCompanyAreReportedAndSkipped) {
  ScriptedRun r("x\nx\nx\nx\n");
  CompanyDirs c(r);
  write_file(c.old_file("stbazy.rek"),
             register_list({"../FIRMA2/X", "..", "C:X", "A\\B", "DOBRY"}));
  write_file(c.tmp / "17" / "FIRMA2" / "X.REK", asset("obcy"));
  write_file(c.old_file("DOBRY.REK"), asset("dobry"));
  carry_fixed_asset_registers(r.run().company_job, c.company);
  EXPECT_EQ(r.console().screens_shown(), 4);
  EXPECT_EQ(r.row(1), "Niedozwolona nazwa rejestru środków trwałych: ../FIRMA2/X");
  EXPECT_EQ(r.row(4), "Niedozwolona nazwa rejestru środków trwałych: A\\B");
  EXPECT_EQ(r.console().get(1, 1).attr, 0x0C);
  EXPECT_FALSE(file_exists(c.tmp / "18" / "FIRMA2"));
  EXPECT_TRUE(file_exists(c.new_file("DOBRY.REK")));
}

TEST(FixedAssetRegisters, MissingListDoesNothing) {
  ScriptedRun r;
  CompanyDirs c(r);
  write_file(c.old_file("MASZYNY.REK"), asset("tokarka"));
  carry_fixed_asset_registers(r.run().company_job, c.company);
  write_file(c.old_file("stbazy.rek"), "");
  carry_fixed_asset_registers(r.run().company_job, c.company);
  EXPECT_EQ(r.row(1), "");
  EXPECT_FALSE(file_exists(c.new_file("MASZYNY.REK")));
}

TEST(FixedAssetRecord, ConvertsEveryTextOfTheLayoutAndNothingElse) {
  Record rec(kAsset);
  rec.fill(0, kAsset, 0x86);  // Mazovia ą in every byte
  const TextField listed[] = {{4, 60},     {700, 60},   {761, 60},  {944, 60},  {1305, 60},
                              {1701, 60},  {1783, 60},  {2075, 30}, {2160, 30}, {3095, 30},
                              {38710, 30}, {39143, 15}, {39159, 18}};
  for (const auto& f : listed) rec.u8(f.offset, static_cast<std::uint8_t>(f.capacity));
  const Bytes before = rec.bytes();
  ScriptedRun r;
  r.run().cs = kMazoviaTo852;
  EXPECT_TRUE(conversion::convert_in_place(conversion::layout::kFixedAsset, r.run().cs, rec.view()));

  Bytes expected = before;
  for (const auto& f : conversion::layout::kFixedAssetTexts) {
    expected[f.offset] = static_cast<std::uint8_t>(std::min<std::size_t>(0x86, f.capacity));
    for (std::size_t i = 1; i <= expected[f.offset]; ++i) expected[f.offset + i] = 0xA5;
  }
  EXPECT_EQ(rec.bytes(), expected);
  // Spot checks of the table against the layout.
  for (const auto& f : listed) EXPECT_EQ(rec.bytes()[f.offset + f.capacity], 0xA5) << f.offset;
  EXPECT_EQ(rec.bytes()[2075 + 31], 0x86);  // between two month texts
  EXPECT_EQ(rec.bytes()[38741], 0x86);      // behind December 2020
  EXPECT_EQ(conversion::layout::kFixedAssetTexts.size(), 24u + 36 * 12 + 2);

  r.run().cs.charset_mode = 0;
  Record kept(kAsset);
  kept.fill(0, kAsset, 0x86);
  EXPECT_TRUE(conversion::convert_in_place(conversion::layout::kFixedAsset, r.run().cs, kept.view()));
  EXPECT_EQ(kept.bytes(), Bytes(kAsset, 0x86));
}

}  // namespace
}  // namespace vx::test
