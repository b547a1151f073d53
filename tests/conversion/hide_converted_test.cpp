#include "conversion/hide_converted.hpp"

#include <gtest/gtest.h>

#include "conversion/office_fixture.hpp"

namespace vx::test {
namespace {

using conversion::hide_converted_file;

TEST(HideConverted, OffLeavesTheFileAndSaysNothing) {
  ScriptedRun r;
  CompanyDirs c(r);
  write_file(c.old_file("0000K880.00"), "docs");
  hide_converted_file(r.run(), c.old_file("0000K880.00").string());
  EXPECT_TRUE(file_exists(c.old_file("0000K880.00")));
  EXPECT_FALSE(file_exists(c.old_file("0000K880.00~")));
  EXPECT_EQ(r.row(1), "");
}

TEST(HideConverted, OnAppendsATildeBehindTheWholeName) {
  ScriptedRun r;
  CompanyDirs c(r);
  r.run().options.hide_converted = 1;
  write_file(c.old_file("2018K880.3"), "march");
  const std::string path = c.old_file("2018K880.3").string();
  hide_converted_file(r.run(), path);
  EXPECT_FALSE(file_exists(c.old_file("2018K880.3")));
  EXPECT_EQ(read_file(c.old_file("2018K880.3~")), as_bytes("march"));
  // Cut at the screen's last column but one, as every progress text.
  EXPECT_EQ(r.row(1), ("Zmiana nazwy pliku " + path + " na " + path + "~").substr(0, 79));
  EXPECT_EQ(r.run().out.y(), 1);  // the line stays open
}

TEST(HideConverted, AFailedRenameIsReportedAndNothingChanges) {
  ScriptedRun r;  // no key wait
  CompanyDirs c(r);
  r.run().options.hide_converted = 1;
  write_file(c.old_file("2018SP.2"), "new");
  write_file(c.old_file("2018SP.2~"), "hidden before");
  const std::string path = c.old_file("2018SP.2").string();
  hide_converted_file(r.run(), path);
  EXPECT_EQ(read_file(c.old_file("2018SP.2")), as_bytes("new"));
  EXPECT_EQ(read_file(c.old_file("2018SP.2~")), as_bytes("hidden before"));
  EXPECT_EQ(r.row(1), "Błąd zmiany nazwy pliku " + path);
  EXPECT_EQ(r.console().get(1, 1).attr, 0x0C);
  EXPECT_EQ(r.run().out.attr(), 0x07);
  // The run goes on: the next file is hidden.
  write_file(c.old_file("2018SP.3"), "x");
  hide_converted_file(r.run(), c.old_file("2018SP.3").string());
  EXPECT_TRUE(file_exists(c.old_file("2018SP.3~")));
}

}  // namespace
}  // namespace vx::test
