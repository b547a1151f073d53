#include "companies/company_loop.hpp"

#include <gtest/gtest.h>

#include "support/fixture.hpp"
#include "support/office.hpp"
#include "support/scripted_run.hpp"

namespace vx::test {
namespace {

TEST(CompanyLoop, RegisterEntryTakesTheTargetStandardForNameAndInfoOnly) {
#ifdef _WIN32
  GTEST_SKIP() << "the fixture names a directory with a raw byte, not a Windows name";
#endif
  Office office;
  const std::string dir_with_letter = std::string("D") + '\x86';  // a Mazovia letter: never converted
  office.company({mazovia("Łódź Żółć"), dir_with_letter, mazovia("opis ąę"), std::string(36, '\x86')});
  ScriptedRun s(select_all());
  s.run().loc.source_root = office.root17().string() + "/";
  s.run().loc.target_root = office.root18().string() + "/";
  s.run().cs.charset_mode = 1;
  companies::copy_companies(s.run());
  const Bytes reg = read_file(office.new_file("SPISFIRM.DAT"));
  ASSERT_EQ(reg.size(), 103u);
  Record expected = register_record({cp852_bytes("Łódź Żółć"), dir_with_letter, cp852_bytes("opis ąę"), std::string(36, '\x86')});
  EXPECT_EQ(reg, expected.bytes());
  EXPECT_TRUE(s.transcript().find("Kopiowanie  - FIRMA   : ") != std::string::npos);
  EXPECT_TRUE(s.transcript().find("              Katalog : ") != std::string::npos);
}

TEST(CompanyLoop, KeepingTheStandardWritesTheRecordAsRead) {
  Office office;
  const CompanyRow c{mazovia("Łódź"), "LODZ", mazovia("ą"), std::string(36, '\x86')};
  office.company(c);
  ScriptedRun s(select_all());
  s.run().loc.source_root = office.root17().string() + "/";
  s.run().loc.target_root = office.root18().string() + "/";
  companies::copy_companies(s.run());
  EXPECT_EQ(read_file(office.new_file("SPISFIRM.DAT")), register_record(c).bytes());
  // The window of the loop is given back cleared.
  EXPECT_EQ(s.run().out.window(), ui::kFullScreen);
}

}  // namespace
}  // namespace vx::test
