// One run at a time per 2018 tree, each company carried once and whole, and
// a damaged 2018 register never written behind a piece of a record.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/office.hpp"
#include "support/second_station.hpp"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

CompanyRow row(const std::string& name, const std::string& dir) { return {name, dir, "info " + dir, ""}; }

Record january_document() {
  Record d(400);
  d.u32(0, 1).text(8, 20, "FV 1/01");
  return d;
}

TEST(WholeRuns, ASecondRunOnTheSameTreeEndsAtOnceHavingWrittenNothing) {
  Office office;
  office.company(row("Alfa", "ALFA")).global17("KOLORY.VX", Bytes{1, 2, 3});
  fs::create_directories(office.new_file("VX1718"));
  write_file(office.new_file("VX1718/vx17-18.lck"), Bytes{});
  const auto before = snapshot_tree(office.root18());
  SecondStation other(StationJob::kHold, office.new_file("VX1718/vx17-18.lck").string());
  auto r = office.migrate(wizard_defaults() + "Enter\n");  // the message box
  other.release();
  EXPECT_EQ(other.finish(), 0);
  EXPECT_EQ(r.exit_code, 2) << r.output;
  EXPECT_TRUE(r.shows("Dane tej instalacji 2018 przenosi"));
  EXPECT_TRUE(r.shows("już inne stanowisko (blokada):"));
  EXPECT_TRUE(snapshot_tree(office.root18()) == before);
  EXPECT_FALSE(file_exists(office.new_file("SPISFIRM.DAT")));
}

// Two register entries naming one folder: the company is carried and
// entered once; its January documents are in 2018 once.
TEST(WholeRuns, TwoRegisterEntriesForOneFolderCarryItOnce) {
  Office office;
  office.company(row("Alfa", "ALFA")).file17("ALFA", "2018K880.1", january_document().bytes());
  office.companies.push_back(row("Alfa bis", "ALFA"));
  office.write_register();
  auto r = office.migrate(wizard_defaults() + select_all() + "Enter\n" + finish());
  EXPECT_EQ(r.exit_code, 0) << r.output;
  EXPECT_TRUE(r.shows("Odnaleziono katalog docelowy ALFA dla firmy Alfa bis"));
  EXPECT_EQ(fs::file_size(office.new_file("ALFA/2018K880.1")), 400u);
  EXPECT_EQ(fs::file_size(office.new_file("SPISFIRM.DAT")), 103u);
  for (const auto& e : fs::directory_iterator(office.root18()))
    EXPECT_FALSE(e.path().filename().string().starts_with("~vx1718")) << e.path();
}

// A 2018 register ending with a piece of a record: said once, with a key
// wait, and the new company written at the boundary of the whole records.
TEST(WholeRuns, APartialRegisterRecordIsReportedAndWrittenOver) {
  Office office;
  office.company(row("Beta", "BETA"));
  Bytes reg = register_record(row("Alfa", "ALFA")).bytes();
  reg.insert(reg.end(), 50, 0xEE);
  write_file(office.new_file("SPISFIRM.DAT"), reg);
  auto r = office.migrate(wizard_defaults() + select_all() + "Enter\n" + finish());
  EXPECT_EQ(r.exit_code, 0) << r.output;
  EXPECT_TRUE(r.shows("kończy się niepełnym rekordem (bajtów: 50)."));
  const Bytes after = read_file(office.new_file("SPISFIRM.DAT"));
  ASSERT_EQ(after.size(), 2 * 103u);
  EXPECT_EQ(ConstRecordView(std::span<const std::uint8_t>(after).subspan(0, 103)).text(0, 31), "Alfa");
  EXPECT_EQ(ConstRecordView(std::span<const std::uint8_t>(after).subspan(103, 103)).text(0, 31), "Beta");
}

// Ctrl+C while a company waits for a key in the middle of its plan: the run
// ends with 130 and says so, the company's half-built folder is gone, it is
// not in the register, and the 2017 tree is as it was.
TEST(WholeRuns, AStopInTheMiddleOfACompanyDiscardsIt) {
#ifdef _WIN32
  GTEST_SKIP() << "signals are sent on POSIX";
#else
  Office office;
  office.company(row("Alfa", "ALFA"), true);
  office.file17("ALFA", "2017_ROK.REK", concat({annual_settings_record(12), Record(512), Record(512)}));
  office.file17("ALFA", "2018K880.1", january_document().bytes());
  const auto before_2017 = snapshot_tree(office.root17());
  // The script ends at the December warning's key wait, inside the plan.
  ProgramRun run{.script = wizard_defaults() + select_all(), .signal_after_us = 1'500'000, .signal = 2, .hold_input = true};
  auto r = office.migrate_with(run);
  EXPECT_EQ(r.exit_code, 130) << r.output;
  EXPECT_NE(r.errors.find("praca przerwana"), std::string::npos) << r.errors;
  EXPECT_FALSE(file_exists(office.new_file("ALFA")));
  for (const auto& e : fs::directory_iterator(office.root18()))
    EXPECT_FALSE(e.path().filename().string().starts_with("~vx1718")) << e.path();
  EXPECT_EQ(fs::file_size(office.new_file("SPISFIRM.DAT")), 0u);
  EXPECT_TRUE(snapshot_tree(office.root17()) == before_2017);
#endif
}

}  // namespace
}  // namespace vx::test
