#include "conversion/hide_converted.hpp"

#include <gtest/gtest.h>

#include "conversion/office_fixture.hpp"

namespace vx::test {
namespace {

using conversion::finish_pending_hides;
using conversion::hide_converted_file;
using conversion::write_pending_hides;

TEST(HideConverted, OffRemembersNothing) {
  ScriptedRun r;
  CompanyDirs c(r);
  write_file(c.old_file("0000K880.00"), "docs");
  hide_converted_file(r.run().company_job, c.old_file("0000K880.00").string());
  EXPECT_TRUE(r.run().conversion.pending_hides.empty());
  ASSERT_TRUE(write_pending_hides(r.run().company_job, c.company));
  EXPECT_FALSE(file_exists(c.new_file("~vx1718.ukr")));
  finish_pending_hides(r.run().company_job, c.company);
  EXPECT_TRUE(file_exists(c.old_file("0000K880.00")));
  EXPECT_EQ(r.row(1), "");
}

// Nothing is renamed while the company is being built; once it is in place
// the list renames each file behind its whole name, reports a failure and
// goes on, and is removed.
TEST(HideConverted, RenamesWaitForTheCompanyAndFollowTheList) {
  ScriptedRun r;  // no key wait
  CompanyDirs c(r);
  r.run().options.hide_converted = 1;
  write_file(c.old_file("2018K880.3"), "march");
  write_file(c.old_file("2018SP.2"), "new");
  write_file(c.old_file("2018SP.2~"), "hidden before");
  for (const char* name : {"2018K880.3", "2018SP.2"})
    hide_converted_file(r.run().company_job, c.old_file(name).string());
  EXPECT_EQ(read_file(c.old_file("2018K880.3")), as_bytes("march"));

  ASSERT_TRUE(write_pending_hides(r.run().company_job, c.company));
  EXPECT_EQ(read_file(c.new_file("~vx1718.ukr")), as_bytes("2018K880.3\r\n2018SP.2\r\n"));
  finish_pending_hides(r.run().company_job, c.company);

  EXPECT_FALSE(file_exists(c.old_file("2018K880.3")));
  EXPECT_EQ(read_file(c.old_file("2018K880.3~")), as_bytes("march"));
  EXPECT_EQ(read_file(c.old_file("2018SP.2")), as_bytes("new"));
  EXPECT_EQ(read_file(c.old_file("2018SP.2~")), as_bytes("hidden before"));
  const std::string march = c.old_file("2018K880.3").string();
  const std::string repay = c.old_file("2018SP.2").string();
  EXPECT_EQ(r.row(1), ("Zmiana nazwy pliku " + march + " na " + march + "~").substr(0, 79));
  EXPECT_EQ(r.row(2), ("Błąd zmiany nazwy pliku " + repay).substr(0, 79));
  EXPECT_EQ(r.console().get(1, 2).attr, 0x0C);
  EXPECT_EQ(r.run().out.attr(), 0x07);
  EXPECT_FALSE(file_exists(c.new_file("~vx1718.ukr")));
  EXPECT_TRUE(r.run().conversion.pending_hides.empty());
}

// A list left by a stopped run is finished as found, but only plain names
// of the company's own 2017 folder are renamed.
TEST(HideConverted, ALeftListRenamesOnlyTheCompanysOwnFiles) {
  ScriptedRun r;
  CompanyDirs c(r);
  write_file(c.old_file("2018K880.1"), "jan");
  write_file(c.tmp / "17" / "OUTSIDE", "keep");
  write_file(c.new_file("~vx1718.ukr"), "../OUTSIDE\r\n..\\OUTSIDE\r\n\r\n2018K880.1\r\n");
  finish_pending_hides(r.run().company_job, c.company);
  EXPECT_TRUE(file_exists(c.old_file("2018K880.1~")));
  EXPECT_TRUE(file_exists(c.tmp / "17" / "OUTSIDE"));
  EXPECT_FALSE(file_exists(c.new_file("~vx1718.ukr")));
}

}  // namespace
}  // namespace vx::test
