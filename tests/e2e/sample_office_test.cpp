// The sample office of the generator, migrated with the options left as the
// wizard offers them: every company arrives in the 2018 installation and
// the 2017 installation is left exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/fixture.hpp"
#include "support/office.hpp"
#include "support/program_runner.hpp"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRegisterRecord = 103;
constexpr std::size_t kRegisterDir = 32;  // text of up to 8 characters
constexpr std::size_t kDocumentRecord = 400;
constexpr std::size_t kDocumentStatus = 30;  // bit 1: struck off
constexpr std::size_t kAnnualFile = 3 * 512;
constexpr int kMaxRounds = 200;

std::vector<std::string> register_dirs(const fs::path& reg) {
  const Bytes bytes = read_file(reg);
  std::vector<std::string> dirs;
  for (std::size_t at = 0; at + kRegisterRecord <= bytes.size(); at += kRegisterRecord) {
    const std::size_t len = bytes[at + kRegisterDir];
    dirs.emplace_back(reinterpret_cast<const char*>(bytes.data() + at + kRegisterDir + 1), len);
  }
  return dirs;
}

// Documents of a file that are not struck off.
std::size_t live_documents(const fs::path& file) {
  if (!fs::exists(file)) return 0;
  const Bytes bytes = read_file(file);
  std::size_t live = 0;
  for (std::size_t at = 0; at + kDocumentRecord <= bytes.size(); at += kDocumentRecord)
    if ((bytes[at + kDocumentStatus] & 0x02) == 0) ++live;
  return live;
}

// The key for the screen the program waits on, read from the last line it
// printed: start on the company list, "A" at the annual-data choice and at
// the overwrite question (both: for this and every later one), "t" at a
// yes/no question, Enter at any other key wait.
std::string answer_for(const std::vector<std::string>& screen) {
  std::string last;
  for (std::size_t row = 2; row + 1 < screen.size(); ++row)
    if (screen[row].find_first_not_of(' ') != std::string::npos) last = screen[row];
  for (const auto& row : screen)
    if (row.find("BAZA FIRM") != std::string::npos) return "F5";
  if (last.find("B-2017") != std::string::npos) return "A";
  if (last.find("Z(n)/W(a)") != std::string::npos) return "A";
  if (last.find("T / N") != std::string::npos) return "t";
  return "Enter";
}

class SampleOffice : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(bin_);
    fs::copy_file(VX_PROGRAM, bin_ / kProgramFileName);
    // Six companies: both standards, December open and approved, 2018 data
    // entered early, unsettled documents and none, an October month file.
    const auto made = run_program({.arguments = {root_.string(), "--companies", "6", "--persons", "8", "--docs",
                                                 "15", "--seed", "31", "--pth", (bin_ / "vx17-18.PTH").string()},
                                   .program = VX_SAMPLE_TOOL});
    ASSERT_EQ(made.exit_code, 0) << made.errors;
  }

  fs::path old_root() const { return root_ / "WEX_2017"; }
  fs::path new_root() const { return root_ / "WEX_2018"; }

  // Runs the program with the wizard's defaults, adding the answer to each
  // wait it stops at until the run ends; every round starts from the empty
  // 2018 installation again. The wizard is assumed to take PgDn, PgDn,
  // PgDn, F5 (pages 1 to 3 left forward, F5 on page 4); a single start page
  // taking F5 ignores the PgDn keys.
  ProgramResult migrate_answering(std::vector<std::string>& answers) {
    ProgramResult result;
    for (int round = 0; round < kMaxRounds; ++round) {
      fs::remove_all(new_root());
      fs::create_directories(new_root() / "#BIN980");
      std::string script = wizard_defaults();
      for (const auto& a : answers) script += a + "\n";
      result = run_program({.script = script, .program = (bin_ / kProgramFileName).string(), .working_dir = tmp_.str()});
      if (result.output.find("--- script exhausted ---") == std::string::npos) return result;
      answers.push_back(answer_for(result.final_screen()));
    }
    ADD_FAILURE() << "the run still waits after " << kMaxRounds << " answers";
    return result;
  }

  TempDir tmp_;
  fs::path root_ = tmp_ / "office";
  fs::path bin_ = tmp_ / "bin";
};

TEST_F(SampleOffice, DefaultRunCarriesEveryCompanyAndLeaves2017Untouched) {
  const auto before = snapshot_tree(old_root());
  const auto dirs = register_dirs(old_root() / "SPISFIRM.DAT");
  ASSERT_EQ(dirs.size(), 6u);

  std::vector<std::string> answers;
  const auto r = migrate_answering(answers);
  ASSERT_EQ(r.exit_code, 0) << r.errors;
  EXPECT_TRUE(r.shows("Koniec pracy kopiera danych WEX_VX na rok 2018"));
  EXPECT_EQ(answers.front(), "F5");
  EXPECT_EQ(answers.back(), "Enter");

  std::size_t with_unsettled = 0;
  for (const auto& dir : dirs) {
    SCOPED_TRACE(dir);
    const fs::path old_dir = old_root() / dir, new_dir = new_root() / dir;
    ASSERT_TRUE(fs::is_directory(new_dir));
    ASSERT_TRUE(fs::exists(new_dir / "2018_ROK.REK"));
    EXPECT_EQ(fs::file_size(new_dir / "2018_ROK.REK"), kAnnualFile);
    // January holds the unsettled documents of 2017, then its own; struck
    // off documents stay behind.
    const bool unsettled = fs::exists(old_dir / "0000K880.00");
    with_unsettled += unsettled;
    const std::size_t january = live_documents(old_dir / "0000K880.00") + live_documents(old_dir / "2018K880.1");
    EXPECT_EQ(fs::exists(new_dir / "2018K880.1") ? fs::file_size(new_dir / "2018K880.1") : 0,
              january * kDocumentRecord);
  }
  EXPECT_GT(with_unsettled, 0u);
  EXPECT_LT(with_unsettled, dirs.size());
  // One question about the unsettled documents per company that has them.
  EXPECT_EQ(static_cast<std::size_t>(std::count(answers.begin(), answers.end(), "t")), with_unsettled);
  EXPECT_EQ(fs::file_size(new_root() / "SPISFIRM.DAT"), dirs.size() * kRegisterRecord);

  EXPECT_TRUE(snapshot_tree(old_root()) == before) << "the 2017 installation changed";
}

TEST_F(SampleOffice, SameSeedGivesTheSameOffice) {
  const auto first = snapshot_tree(old_root());
  const fs::path again = tmp_ / "again";
  const auto made = run_program({.arguments = {again.string(), "--companies", "6", "--persons", "8", "--docs",
                                               "15", "--seed", "31"},
                                 .program = VX_SAMPLE_TOOL});
  ASSERT_EQ(made.exit_code, 0) << made.errors;
  EXPECT_TRUE(snapshot_tree(again / "WEX_2017") == first);
  EXPECT_TRUE(fs::is_directory(again / "WEX_2018" / "#BIN980"));
  EXPECT_TRUE(fs::is_empty(again / "WEX_2018" / "#BIN980"));
}

}  // namespace
}  // namespace vx::test
