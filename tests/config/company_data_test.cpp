#include "config/company_data.hpp"

#include <gtest/gtest.h>

#include "support/fixture.hpp"

namespace vx::test {
namespace {

using config::CompanyData;
using config::Direction;

// Every key of the company data in the order the system writes them, each
// section gathering its keys in that order.
constexpr std::string_view kFullFile =
    "[WEX]\r\nNAZWA_ZUS=zus\r\nINFO1=i1\r\nINFO2=i2\r\nINFO3=i3\r\nINFO4=i4\r\nINFO5=i5\r\n"
    "PATHXML=px\r\nPRZEXML=pz\r\nFAS=TAK\r\n"
    "[URZEDY_SKARBOWE]\r\nVAT-7=u1\r\nPIT-4R=u2\r\nPIT-8AR=u3\r\nPIT-XX=u4\r\n"
    "[URZEDY_SKARBOWE_EKOD]\r\nVAT-7=e1\r\nPIT-4R=e2\r\nPIT-8AR=e3\r\nPIT-XX=e4\r\n"
    "[FIRMA]\r\nTYP=2\r\nNIP=nip\r\nREGON=regon\r\n"
    "[PATH]\r\nWEX2017=p17\r\nWEX2016=p16\r\nWEX2015=p15\r\nWEX2014=p14\r\n"
    "[BANKI]\r\nDEF=3\r\nDEF_ZUS=4\r\nNAZWA1=b1\r\nNRB1=n1\r\nNAZWA2=b2\r\nNRB2=n2\r\nNAZWA3=b3\r\n"
    "NRB3=n3\r\nNAZWA4=b4\r\nNRB4=n4\r\nNAZWA5=b5\r\nNRB5=n5\r\nIRKwZUS=irk\r\nDATA_ZBA=02-01-2017\r\n"
    "[OSOBA_FIZYCZNA]\r\nPESEL=pesel\r\nNIP=onip\r\nNAZWISKO=nazw\r\nIMIE1=im1\r\nIMIE2=im2\r\n"
    "TATA=tata\r\nMAMA=mama\r\nDATA_URODZENIA=03-04-1960\r\nMIEJSCE_URODZENIA=mu\r\n"
    "OBYWATELSTWO=ob\r\nINNY_RODZAJ=P\r\nINNY_NUMER=inr\r\n"
    "[OSOBA_PRAWNA]\r\nNAZWA_PELNA=np\r\nNAZWA_SKROCONA=ns\r\nDATA_ROZPOCZECIA=-\r\n"
    "[ORGAN_REJESTROWY]\r\nORGAN=or\r\nREJESTR=rj\r\nDATA=31-12-2016\r\nNUMER=nr\r\nKOD=kd\r\n"
    "ORZAL=oz\r\n"
    "[ADRES_SIEDZIBY]\r\nKRAJ=s1\r\nWOJEWODZTWO=s2\r\nGMINA=s3\r\nULICA=s4\r\nDOM=s5\r\nLOKAL=s6\r\n"
    "MIEJSCOWOSC=s7\r\nKOD=s8\r\nPOCZTA=s9\r\nSKRYTKA=s10\r\nTELEFON=s11\r\nPOWIAT=s12\r\n"
    "KODUE=s13\r\nKODGMINY=kg\r\nIAP=NIE\r\n"
    "[ADRES_KOREPONDENCJA]\r\nKRAJ=k1\r\nWOJEWODZTWO=\r\nGMINA=\r\nULICA=\r\nDOM=\r\nLOKAL=\r\n"
    "MIEJSCOWOSC=\r\nKOD=\r\nPOCZTA=\r\nSKRYTKA=\r\nTELEFON=\r\nPOWIAT=\r\nKODUE=k13\r\n"
    "EMAIL=em\r\nFAKS=fx\r\n"
    "[ADRES_ZAMIESZKANIA]\r\nKRAJ=z1\r\nWOJEWODZTWO=\r\nGMINA=\r\nULICA=\r\nDOM=\r\nLOKAL=\r\n"
    "MIEJSCOWOSC=\r\nKOD=\r\nPOCZTA=\r\nSKRYTKA=\r\nTELEFON=\r\nPOWIAT=\r\nKODUE=\r\n"
    "[ADRES_DOKUMENTACJI]\r\nKRAJ=\r\nWOJEWODZTWO=\r\nGMINA=\r\nULICA=\r\nDOM=\r\nLOKAL=\r\n"
    "MIEJSCOWOSC=d7\r\nKOD=\r\nPOCZTA=\r\nSKRYTKA=\r\nTELEFON=\r\nPOWIAT=\r\nKODUE=\r\n"
    "[DZIALALNOSC]\r\nOPIS=op\r\nKGN=kgn\r\nEKD=ekd\r\n"
    "[UPOWAZNIONY]\r\nNAZWISKO=un\r\nIMIE=ui\r\nTELEFON=ut\r\n"
    "[BR]\r\nNAZWA=bn\r\nNIP=bnip\r\nREGON=breg\r\nUMOWA=bu\r\n"
    "[ZUS_ZxA]\r\nDATAPOSK=10-01-2017\r\nWYPELNIONO=11-01-2017\r\nZWPA_KOD=zk\r\n"
    "ZWPA_DATA=12-01-2017\r\nZPWA_KOR=TAK\r\nPPPATH=pp\r\nDRAI01=D\r\nRENT=1\r\nRxA=2\r\n"
    "zwFGSP=3\r\nDRAIX02_=4\r\n"
    "[ZIPA]\r\nI=5\r\n01=z01\r\n02=z02\r\n03=z03\r\n04=Z\r\n05=z05\r\n06=z06\r\n07=z07\r\n08=z08\r\n"
    "09=13-01-2017\r\nIV09=14-01-2017\r\n";

class CompanyDataTest : public ::testing::Test {
 protected:
  std::string path(std::string_view name) const { return (dir_ / name).string(); }
  std::string text_of(std::string_view name) {
    const Bytes b = read_file(dir_ / name);
    return std::string(b.begin(), b.end());
  }
  TempDir dir_;
};

TEST_F(CompanyDataTest, ReadThenWriteKeepsEveryKeyInTableOrder) {
  write_file(dir_ / "FIRMATXT.INI", kFullFile);
  CompanyData d;
  ASSERT_TRUE(config::company_data_transfer(path("FIRMATXT.INI"), Direction::kRead, d));
  EXPECT_EQ(d.info[4], "i5");
  EXPECT_EQ(d.tax_offices_ekod[3], "e4");
  EXPECT_EQ(d.earlier_years[0], "p17");
  EXPECT_EQ(d.earlier_years[3], "p14");
  EXPECT_EQ(d.zus_bank, 4);
  EXPECT_EQ(d.banks[2].account, "n3");
  EXPECT_EQ(d.person.other_id_kind, 'P');
  EXPECT_EQ(d.registration.date.packed(), (PackedDate{31, 12, 2016}.packed()));
  EXPECT_EQ(d.seat.eu_code, "s13");
  EXPECT_TRUE(d.insurance.zpwa_correction);
  EXPECT_EQ(d.insurance.fgsp_exempt, 3);
  EXPECT_EQ(d.zipa.item04, 'Z');
  EXPECT_EQ(d.zipa.texts[3], "z05");
  EXPECT_TRUE(d.fas);

  ASSERT_TRUE(config::company_data_transfer(path("NOWY.INI"), Direction::kWrite, d));
  EXPECT_EQ(text_of("NOWY.INI"), kFullFile);
  CompanyData again;
  ASSERT_TRUE(config::company_data_transfer(path("NOWY.INI"), Direction::kRead, again));
  EXPECT_EQ(again, d);
}

TEST_F(CompanyDataTest, WorkingYearNamesThePathKeys) {
  write_file(dir_ / "FIRMATXT.INI", "[path]\nwex2016=a\nWEX2013=old\nWEX2017=b\n");
  CompanyData d;
  ASSERT_TRUE(config::company_data_transfer(path("FIRMATXT.INI"), Direction::kRead, d, 2017));
  EXPECT_EQ(d.earlier_years[0], "a");
  EXPECT_EQ(d.earlier_years[3], "old");
  ASSERT_TRUE(config::company_data_transfer(path("FIRMATXT.INI"), Direction::kRead, d));
  EXPECT_EQ(d.earlier_years[0], "b");
  EXPECT_EQ(d.earlier_years[1], "a");
  EXPECT_EQ(d.earlier_years[3], "");
}

TEST_F(CompanyDataTest, MissingSocialInsuranceBankIsTheDefaultBank) {
  write_file(dir_ / "A.INI", "[BANKI]\nDEF=2\n");
  write_file(dir_ / "B.INI", "[BANKI]\nDEF=2\nDEF_ZUS=31\n");
  write_file(dir_ / "C.INI", "[BANKI]\nDEF_ZUS=0\nDEF=2\n");
  CompanyData a, b, c;
  ASSERT_TRUE(config::company_data_transfer(path("A.INI"), Direction::kRead, a));
  ASSERT_TRUE(config::company_data_transfer(path("B.INI"), Direction::kRead, b));
  ASSERT_TRUE(config::company_data_transfer(path("C.INI"), Direction::kRead, c));
  EXPECT_EQ(a.zus_bank, 2);
  EXPECT_EQ(b.zus_bank, 2);
  EXPECT_EQ(c.zus_bank, 0);
  EXPECT_EQ(c.default_bank, 2);
}

TEST_F(CompanyDataTest, MissingFileReadsAsEmptyAndReadingClearsTheRecord) {
  CompanyData d;
  d.nip = "stary";
  d.seat_iap = true;
  ASSERT_TRUE(config::company_data_transfer(path("BRAK.INI"), Direction::kRead, d));
  EXPECT_EQ(d, CompanyData{});
  EXPECT_FALSE(file_exists(dir_ / "BRAK.INI"));
}

TEST_F(CompanyDataTest, InformationLinesAreCutTo66Characters) {
  write_file(dir_ / "F.INI", "[WEX]\nINFO2=" + std::string(70, 'x') + "\n");
  CompanyData d;
  ASSERT_TRUE(config::company_data_transfer(path("F.INI"), Direction::kRead, d));
  EXPECT_EQ(d.info[1], std::string(66, 'x'));
}

TEST_F(CompanyDataTest, WritingKeepsWhatElseTheFileHolds) {
  write_file(dir_ / "F.INI", "[INNE]\nX=1\n[FIRMA]\nNIP=stary\nDODATEK=zostaje\n");
  CompanyData d;
  d.nip = "nowy";
  ASSERT_TRUE(config::company_data_transfer(path("F.INI"), Direction::kWrite, d));
  const std::string text = text_of("F.INI");
  EXPECT_TRUE(text.starts_with("[INNE]\r\nX=1\r\n[FIRMA]\r\nNIP=nowy\r\nDODATEK=zostaje\r\nTYP=0\r\n"))
      << text;
}

}  // namespace
}  // namespace vx::test
