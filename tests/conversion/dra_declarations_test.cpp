#include "conversion/dra_declarations.hpp"

#include <gtest/gtest.h>

#include "conversion/office_fixture.hpp"
#include "support/platform_seams.hpp"
#include "support/unprivileged_user.hpp"
#include "transfer/transfer_state.hpp"

namespace vx::test {
namespace {

using conversion::carry_dra_declarations;

// A declaration: the main block with Mazovia texts at 92, 124 and 156 and
// a Mazovia letter outside them, then attachments with texts at 5 and 37.
Bytes declaration(int attachments, std::size_t trailing = 0) {
  Record main(896);
  main.fill(0, 896, 0x86);
  main.text(92, 31, mazovia("Kowalski Łukasz"))
      .text(124, 31, mazovia("Żółw"))
      .text(156, 22, mazovia("ąę"));
  Bytes out = main.bytes();
  for (int i = 0; i < attachments; ++i) {
    Record a(448);
    a.fill(0, 448, 0x86);
    a.text(5, 31, mazovia("Nowak Śnieżka")).text(37, 22, mazovia("źdźbło"));
    out.insert(out.end(), a.bytes().begin(), a.bytes().end());
  }
  out.insert(out.end(), trailing, 0x86);
  return out;
}

Bytes converted_declaration(int attachments) {
  Bytes out = declaration(attachments);
  const RecordView main{std::span(out).first(896)};
  main.set_text(92, 31, cp852_bytes("Kowalski Łukasz"));
  main.set_text(124, 31, cp852_bytes("Żółw"));
  main.set_text(156, 22, cp852_bytes("ąę"));
  for (int i = 0; i < attachments; ++i) {
    const RecordView a{std::span(out).subspan(896 + 448 * static_cast<std::size_t>(i), 448)};
    a.set_text(5, 31, cp852_bytes("Nowak Śnieżka"));
    a.set_text(37, 22, cp852_bytes("źdźbło"));
  }
  return out;
}

TEST(Dra, ConvertsTheTextsOfTheMainBlockAndEachAttachment) {
  ScriptedRun r;  // the 2018 files are replaced unasked
  CompanyDirs c(r);
  r.run().cs = kMazoviaTo852;
  write_file(c.old_file("2018D401.001"), declaration(2));
  write_file(c.old_file("2018D402.001"), declaration(1, 447));
  write_file(c.old_file("2018D403"), declaration(0, 100));
  write_file(c.new_file("2018D401.001"), "old");
  std::filesystem::create_directory(c.old_file("2018D499.DIR"));
  write_file(c.old_file("2017D401.001"), declaration(0));  // not of 2018

  carry_dra_declarations(r.run().company_job, c.company);
  EXPECT_EQ(read_file(c.new_file("2018D401.001")), converted_declaration(2));
  EXPECT_EQ(read_file(c.new_file("2018D402.001")), converted_declaration(1));  // short part dropped
  EXPECT_EQ(read_file(c.new_file("2018D403")), converted_declaration(0));
  EXPECT_FALSE(file_exists(c.new_file("2018D499.DIR")));
  EXPECT_FALSE(file_exists(c.new_file("2017D401.001")));
  // The counter runs over the declarations, on one open line.
  EXPECT_EQ(r.row(1), "1. :2018D401.0012. :2018D402.0013. :2018D403");
}

TEST(Dra, KeepingTheStandardCopiesBytesUnderTheOverwriteQuestion) {
  ScriptedRun r("z\n");
  CompanyDirs c(r);
  r.run().cs = {0, charset::kMazovia, charset::kCp852};
  write_file(c.old_file("2018d401.001"), declaration(1, 10));
  write_file(c.old_file("2018D402.001"), declaration(0));
  write_file(c.new_file("2018D402.001"), "kept");
  carry_dra_declarations(r.run().company_job, c.company);
  EXPECT_EQ(read_file(c.new_file("2018d401.001")), declaration(1, 10));
  EXPECT_EQ(read_file(c.new_file("2018D402.001")), as_bytes("kept"));
  EXPECT_EQ(r.console().screens_shown(), 1);
  EXPECT_TRUE(r.row(1).starts_with("1. :2018d401.001Kopiuję "));
  EXPECT_TRUE(r.row(2).starts_with("2. :2018D402.001Stwierdzono obecność pliku "));
}

TEST(Dra, NamesMatchAsOnWindowsAndFollowInNameOrder) {
  ScriptedRun r;
  CompanyDirs c(r);
  r.run().cs = kMazoviaTo852;
  // Written in reverse order of their names.
  write_file(c.old_file("2018d4b.x"), declaration(0));     // "?" takes nothing before the dot
  write_file(c.old_file("2018D4AA"), declaration(1));      // no extension: "name.*" takes it
  write_file(c.old_file("2018D4.1"), declaration(0));      // both "?" take nothing
  write_file(c.old_file("2018D4ABC.1"), declaration(0));   // three characters: no match
  write_file(c.old_file("2018D5AA.1"), declaration(0));
  write_file(c.old_file("x2018D4AA.1"), declaration(0));
  carry_dra_declarations(r.run().company_job, c.company);
  EXPECT_EQ(r.row(1), "1. :2018D4.12. :2018D4AA3. :2018d4b.x");
  EXPECT_EQ(read_file(c.new_file("2018D4.1")), converted_declaration(0));
  EXPECT_EQ(read_file(c.new_file("2018D4AA")), converted_declaration(1));
  EXPECT_EQ(read_file(c.new_file("2018d4b.x")), converted_declaration(0));
  for (const char* name : {"2018D4ABC.1", "2018D5AA.1", "x2018D4AA.1"})
    EXPECT_FALSE(file_exists(c.new_file(name))) << name;
}

TEST(Dra, AnAttachmentThatCannotBeWrittenEndsThatDeclarationOnly) {
  ScriptedRun r("x\n");
  CompanyDirs c(r);
  r.run().cs = kMazoviaTo852;
  write_file(c.old_file("2018D401.001"), declaration(200));
  write_file(c.old_file("2018D402.001"), declaration(0));
  write_file(c.new_file("2018D401.001"), std::string("earlier"));
  {
    // The main block goes out, the first attachment fails.
    const ArmedFault full(platform::testing::Fault::kWrite, 2);
    carry_dra_declarations(r.run().company_job, c.company);
  }
  EXPECT_EQ(r.console().screens_shown(), 1);
  EXPECT_EQ(r.row(1), "1. :2018D401.001Błąd zapisu załącznika do DRA:2018D401.0012. :2018D402.001");
  EXPECT_EQ(read_file(c.new_file("2018D401.001")), as_bytes("earlier"));  // given up whole
  EXPECT_EQ(read_file(c.new_file("2018D402.001")), converted_declaration(0));  // the next follows
}

TEST(Dra, AFailureAfterALongNameIsToldOnALineOfItsOwn) {
  ScriptedRun r("x\n");
  CompanyDirs c(r);
  r.run().cs = kMazoviaTo852;
  const std::string name = "2018D401." + std::string(40, 'x');
  write_file(c.old_file(name), Bytes(10, 1));  // no whole main block
  carry_dra_declarations(r.run().company_job, c.company);
  EXPECT_EQ(r.row(1), "1. :" + name);  // no room left for the whole failure
  EXPECT_EQ(r.row(2), "Błąd odczytania DRA:" + name);
  EXPECT_EQ(r.console().screens_shown(), 1);
}

TEST(Dra, AShortMainBlockEndsTheStep) {
  ScriptedRun r("x\n");
  CompanyDirs c(r);
  r.run().cs = kMazoviaTo852;
  write_file(c.old_file("2018D401.001"), Bytes(895, 1));
  write_file(c.old_file("2018D402.001"), declaration(0));
  carry_dra_declarations(r.run().company_job, c.company);
  EXPECT_EQ(r.console().screens_shown(), 1);
  EXPECT_EQ(r.row(1), "1. :2018D401.001Błąd odczytania DRA:2018D401.001");
  EXPECT_EQ(r.console().get(17, 1).attr, 0x0C);
  EXPECT_FALSE(file_exists(c.new_file("2018D402.001")));  // later declarations are not carried
}

TEST(Dra, ATargetThatCannotBeCreatedEndsTheStep) {
  ScriptedRun r("x\n");
  CompanyDirs c(r);
  r.run().cs = kMazoviaTo852;
  write_file(c.old_file("2018D401.001"), declaration(0));
  write_file(c.old_file("2018D402.001"), declaration(0));
  std::filesystem::create_directory(c.new_file("2018D401.001"));
  carry_dra_declarations(r.run().company_job, c.company);
  EXPECT_EQ(r.console().screens_shown(), 1);
  EXPECT_EQ(r.row(1), "1. :2018D401.001Błąd utworzenia pliku DRA:2018D401.001");
  EXPECT_FALSE(file_exists(c.new_file("2018D402.001")));
}

TEST(Dra, AnUnreadableDeclarationEndsTheStep) {
  ScriptedRun r("x\n");
  CompanyDirs c(r);
  r.run().cs = kMazoviaTo852;
  write_file(c.old_file("2018D401.001"), declaration(0));
  write_file(c.old_file("2018D402.001"), declaration(0));
  for (auto p = c.old_file("x").parent_path(); p != c.tmp.path().parent_path(); p = p.parent_path())
    std::filesystem::permissions(p, std::filesystem::perms::all);
  std::filesystem::permissions(c.new_file("x").parent_path(), std::filesystem::perms::all);
  std::filesystem::permissions(c.old_file("2018D401.001"), std::filesystem::perms::none);
  {
    UnprivilegedUser user(c.old_file("2018D401.001"));
    if (!user.active()) GTEST_SKIP() << UnprivilegedUser::why_inactive();
    carry_dra_declarations(r.run().company_job, c.company);
  }
  EXPECT_EQ(r.console().screens_shown(), 1);
  EXPECT_EQ(r.row(1), "1. :2018D401.001Błąd otworzenia pliku DRA:2018D401.001");
  EXPECT_FALSE(file_exists(c.new_file("2018D401.001")));
  EXPECT_FALSE(file_exists(c.new_file("2018D402.001")));
}

}  // namespace
}  // namespace vx::test
