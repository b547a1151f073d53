#include "conversion/company_text.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/filesystem.hpp"
#include "support/fixture.hpp"
#include "support/scripted_run.hpp"

namespace vx::test {
namespace {

class CompanyText : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_ / "2018" / kCompany);
    std::filesystem::create_directories(dir_ / "tmp");
    set_environment("vxTEMP", (dir_ / "tmp").string());
  }
  void TearDown() override { set_environment("vxTEMP", ""); }

  void prepare(vx::Session& run, bool convert) {
    run.loc.source_root = dir_.str() + "/2017/";
    run.loc.target_root = dir_.str() + "/2018/";
    run.cs = {static_cast<std::uint16_t>(convert ? 1 : 0), 1, 2};
  }
  std::filesystem::path source() const { return dir_ / "2017" / kCompany / "FIRMATXT.INI"; }
  std::filesystem::path target() const { return dir_ / "2018" / kCompany / "FIRMATXT.INI"; }
  std::string target_text() const {
    const Bytes b = read_file(target());
    return std::string(b.begin(), b.end());
  }
  std::string path_2017() const { return dir_.str() + "/2017/" + kCompany; }

  // A directory name that makes the 2017 location longer than 40 characters.
  static constexpr const char* kCompany = "BIURO_RACHUNKOWE_KOWALSKI_I_WSPOLNICY";
  TempDir dir_;
};

TEST_F(CompanyText, WrittenWithThe2017LocationUnderTheKeyOfTheYearBefore) {
  write_file(source(), "[PATH]\r\nWEX2016=C:\\WEX16\\F1\r\nWEX2013=C:\\WEX13\r\n[FIRMA]\r\nNIP=123\r\n");
  ScriptedRun sr;
  prepare(sr.run(), false);
  conversion::rewrite_company_text(sr.run().company_job, kCompany);
  const std::string text = target_text();
  ASSERT_GT(path_2017().size(), 40u);
  EXPECT_NE(text.find("[PATH]\r\nWEX2017=" + path_2017() + "\r\nWEX2016=C:\\WEX16\\F1\r\nWEX2015=\r\n"
                      "WEX2014=\r\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("WEX2013"), std::string::npos);
  EXPECT_NE(text.find("[FIRMA]\r\nTYP=0\r\nNIP=123\r\n"), std::string::npos);
}

TEST_F(CompanyText, KeptLocationOfTheAnnualConversionIsUsed) {
  write_file(source(), "[FIRMA]\r\nNIP=1\r\n");
  ScriptedRun sr;
  prepare(sr.run(), false);
  sr.run().conversion.company_path_2017 = "D:\\DANE2017\\F1";
  conversion::rewrite_company_text(sr.run().company_job, kCompany);
  EXPECT_NE(target_text().find("WEX2017=D:\\DANE2017\\F1\r\n"), std::string::npos);
}

TEST_F(CompanyText, ConvertedThroughATemporaryFileLeftNowhere) {
  write_file(source(), "[WEX]\r\nNAZWA_ZUS=" + mazovia("Łódź Spółka") + "\r\n[FIRMA]\r\nNIP=9\r\n");
  ScriptedRun sr;
  prepare(sr.run(), true);
  conversion::rewrite_company_text(sr.run().company_job, kCompany);
  const std::string text = target_text();
  EXPECT_TRUE(text.starts_with("[WEX]\r\nNAZWA_ZUS=" + cp852_bytes("Łódź Spółka") + "\r\n")) << text;
  EXPECT_NE(text.find("WEX2017=" + path_2017() + "\r\n"), std::string::npos);
  EXPECT_TRUE(snapshot_tree(dir_ / "tmp").empty());
}

TEST_F(CompanyText, TemporaryFileGoesToTheTemporaryDirectory) {
  set_environment("vxTEMP", (dir_ / "gone").string());
  write_file(source(), "[FIRMA]\r\nNIP=9\r\n");
  ScriptedRun sr("Enter\n");
  prepare(sr.run(), true);
  conversion::rewrite_company_text(sr.run().company_job, kCompany);
  EXPECT_TRUE(sr.row(1).starts_with("Błąd utworzenia pliku " + (dir_ / "gone").string() + platform::kSeparator + "~vx"))
      << sr.row(1);
  EXPECT_EQ(sr.console().screens_shown(), 1);
  EXPECT_FALSE(file_exists(target()));
}

TEST_F(CompanyText, MissingSourceWritesNothing) {
  for (bool convert : {false, true}) {
    ScriptedRun sr;
    prepare(sr.run(), convert);
    conversion::rewrite_company_text(sr.run().company_job, kCompany);
    EXPECT_FALSE(file_exists(target()));
    EXPECT_TRUE(snapshot_tree(dir_ / "tmp").empty());
  }
}

}  // namespace
}  // namespace vx::test
