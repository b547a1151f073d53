#include "config/ini_file.hpp"

#include <gtest/gtest.h>

#include "support/fixture.hpp"

namespace vx::test {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  config::IniFile load(std::string_view content) {
    write_file(path(), content);
    config::IniFile ini;
    EXPECT_TRUE(ini.open(path().string()));
    return ini;
  }
  std::filesystem::path path() const { return dir_ / "TEST.INI"; }
  std::string saved() {
    const Bytes b = read_file(path());
    return std::string(b.begin(), b.end());
  }
  TempDir dir_;
};

TEST_F(IniFileTest, SectionsAndKeysIgnoreCasePolishLettersIncluded) {
  const auto ini = load(cp852_bytes("[firma]\r\nnip=123\r\n[ŻÓŁW]\r\nźdźbło=ok\r\n[FIRMA]\r\nREGON=9\r\n"));
  EXPECT_EQ(ini.read_text("FIRMA", "NIP"), "123");
  EXPECT_EQ(ini.read_text("Firma", "regon"), "9");  // the second header is the same section
  EXPECT_EQ(ini.read_text(cp852_bytes("żółw"), cp852_bytes("ŹDŹBŁO")), "ok");
}

TEST_F(IniFileTest, ValueIsEverythingAfterTheFirstEqualsSign) {
  const auto ini = load("  [WEX]  \nPATHXML=C:\\a=b==c\n  INFO1 = Tekst Z Wielkimi  \n");
  EXPECT_EQ(ini.read_text("WEX", "PATHXML"), "C:\\a=b==c");
  EXPECT_EQ(ini.read_text("WEX", "INFO1"), " Tekst Z Wielkimi");  // blanks of the line's ends go
}

TEST_F(IniFileTest, TypedReads) {
  const auto ini = load(
      "[S]\nA=tak\nB=NIE\nC=Tak \nN=42\nM=-7\nX=12a\nBANG=!\nCH=Xyz\nD=05-03-2018\nE=-\nF=31-02-20x8\n");
  EXPECT_TRUE(ini.read_yes_no("S", "A"));
  EXPECT_FALSE(ini.read_yes_no("S", "B"));
  EXPECT_TRUE(ini.read_yes_no("S", "C"));
  EXPECT_FALSE(ini.read_yes_no("S", "missing"));
  EXPECT_EQ(ini.read_integer("S", "N", 5), 42);
  EXPECT_EQ(ini.read_integer("S", "M", 5), -7);
  EXPECT_EQ(ini.read_integer("S", "X", 5), 5);
  EXPECT_EQ(ini.read_integer("S", "BANG", 5), 5);
  EXPECT_EQ(ini.read_integer("S", "missing", 31), 31);
  EXPECT_EQ(ini.read_integer("T", "N", 8), 8);
  EXPECT_EQ(ini.read_char("S", "CH"), 'X');
  EXPECT_EQ(ini.read_char("S", "missing"), '\0');
  EXPECT_EQ(ini.read_date("S", "D").packed(), (PackedDate{5, 3, 2018}.packed()));
  EXPECT_EQ(ini.read_date("S", "E").packed(), 0u);
  EXPECT_EQ(ini.read_date("S", "F").packed(), 0u);
  EXPECT_EQ(ini.read_text("S", "missing"), "");
}

TEST_F(IniFileTest, WritesReplaceInPlaceAndAddBehindTheLastEntry) {
  auto ini = load("; uwaga\n[A]\nKlucz=1\nINNY=2\n\n[B]\nX=y\n");
  ini.write_text("a", "KLUCZ", "nowa=wartość");
  ini.write_integer("A", "NOWY", 17);
  ini.write_yes_no("B", "T", true);
  ini.write_yes_no("B", "N", false);
  ini.write_char("C", "Z", 'Q');
  ini.write_date("C", "D", PackedDate{1, 2, 345});
  ini.write_date("C", "E", PackedDate{});
  ASSERT_TRUE(ini.save());
  EXPECT_EQ(saved(),
            "; uwaga\r\n[A]\r\nKlucz=nowa=wartość\r\nINNY=2\r\nNOWY=17\r\n\r\n"
            "[B]\r\nX=y\r\nT=TAK\r\nN=NIE\r\n[C]\r\nZ=Q\r\nD=01-02-0345\r\nE=-\r\n");
}

TEST_F(IniFileTest, AddressIsThirteenKeysOfItsSection) {
  config::IniFile ini;
  ASSERT_TRUE(ini.open(path().string()));  // missing: empty, created on save
  config::Address a;
  const auto fields = a.fields();
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = "v" + std::to_string(i);
  ini.write_address("ADRES", a);
  ASSERT_TRUE(ini.save());
  EXPECT_EQ(saved(),
            "[ADRES]\r\nKRAJ=v0\r\nWOJEWODZTWO=v1\r\nGMINA=v2\r\nULICA=v3\r\nDOM=v4\r\nLOKAL=v5\r\n"
            "MIEJSCOWOSC=v6\r\nKOD=v7\r\nPOCZTA=v8\r\nSKRYTKA=v9\r\nTELEFON=v10\r\nPOWIAT=v11\r\n"
            "KODUE=v12\r\n");
  config::IniFile again;
  ASSERT_TRUE(again.open(path().string()));
  EXPECT_EQ(again.read_address("adres"), a);
}

TEST_F(IniFileTest, UnwritablePlaceFailsToSave) {
  config::IniFile ini;
  ASSERT_TRUE(ini.open((dir_ / "no" / "such" / "dir.ini").string()));
  ini.write_text("A", "B", "C");
  EXPECT_FALSE(ini.save());
}

}  // namespace
}  // namespace vx::test
