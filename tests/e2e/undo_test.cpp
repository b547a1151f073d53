// "/cofnij" gives the trees back: whatever a run replaced ("A" to every
// question), created, hid in the 2017 tree or changed in the register, the
// undo puts back byte for byte, also after a run killed at any moment; a
// second undo takes back the run before it. A journal that is damaged or
// points outside the trees is refused, and nothing is touched.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "e2e/sample_office_runs.hpp"

namespace vx::test {
namespace {

constexpr int kNothingUndone = 5;

std::vector<fs::path> run_folders(const OfficeRuns& office) {
  std::vector<fs::path> runs;
  const auto root = office.root_2018() / "VX1718";
  if (!fs::exists(root)) return runs;
  for (const auto& e : fs::directory_iterator(root))
    // A start killed before its folder got its name leaves the program's own.
    if (e.is_directory() && !e.path().filename().string().starts_with("~")) runs.push_back(e.path());
  std::sort(runs.begin(), runs.end());
  return runs;
}

// The office after a first run without hiding, one company's 2018 folder
// then lost: a 2018 tree already in use, with a company to carry again.
void in_use(OfficeRuns& office) {
  office.write_anew();
  ASSERT_EQ(office.run(false).exit_code, 0);
  std::vector<fs::path> companies;
  for (const auto& e : fs::directory_iterator(office.root_2018()))
    if (e.is_directory() && e.path().filename() != "#BIN980" && e.path().filename() != "VX1718")
      companies.push_back(e.path());
  ASSERT_FALSE(companies.empty());
  std::sort(companies.begin(), companies.end());
  fs::remove_all(companies.front());
}

TEST(Undo, ARunKilledAnywhereOrWholeIsTakenBackAndThenTheRunBeforeIt) {
#ifdef _WIN32
  constexpr int kTrials = 1;  // killing at a random moment is tried on POSIX
#else
  constexpr int kTrials = 6;
#endif
  OfficeRuns office;
  office.write_anew();
  const Tree fresh_2017 = office.tree_2017(), fresh_2018 = office.tree_2018();
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(office.run(true).exit_code, 0);
  const long took =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();

  std::mt19937 random(2018);
  std::uniform_int_distribution<long> moment(0, took);
  for (int trial = 0; trial < kTrials; ++trial) {
    in_use(office);
    const Tree before_2017 = office.tree_2017(), before_2018 = office.tree_2018();
    const std::size_t runs_before = run_folders(office).size();
    // The first trial runs whole; the others are killed somewhere, every
    // other one near the start, where the run's folder and journal begin.
    const long kill_at = trial == 0 ? -1 : moment(random) / (trial % 2 ? 1 : 8);
    const auto run = office.run(true, kill_at, 9);
    const std::string when = "killed at " + std::to_string(kill_at) + " us, exit " + std::to_string(run.exit_code);
    if (trial == 0) { ASSERT_EQ(run.exit_code, 0) << run.output; }
    if (run_folders(office).size() == runs_before) {
      // Killed before its first change: nothing to take back.
      EXPECT_TRUE(office.tree_2018() == before_2018) << when;
      continue;
    }
    const auto undone = office.undo();
    ASSERT_EQ(undone.exit_code, 0) << when << "\n" << undone.output;
    EXPECT_TRUE(office.tree_2018() == before_2018) << when << ": " << first_difference(office.tree_2018(), before_2018);
    EXPECT_TRUE(office.tree_2017() == before_2017) << when << ": " << first_difference(office.tree_2017(), before_2017);
    if (trial != 0) continue;
    // The run before it comes off too, then there is nothing left to undo.
    ASSERT_EQ(office.undo().exit_code, 0);
    EXPECT_TRUE(office.tree_2018() == fresh_2018) << first_difference(office.tree_2018(), fresh_2018);
    EXPECT_TRUE(office.tree_2017() == fresh_2017) << first_difference(office.tree_2017(), fresh_2017);
  }
}

TEST(Undo, ADamagedJournalIsRefusedAndNothingIsTouched) {
  OfficeRuns office;
  in_use(office);
  ASSERT_EQ(office.run(true).exit_code, 0);
  const fs::path run = run_folders(office).back();
  const Bytes journal = read_file(run / "dziennik.txt");
  const std::string text(journal.begin(), journal.end());
  const std::string outside = (fs::path("/") / "etc" / "passwd").string();
  const struct {
    const char* what;
    std::string content;
  } cases[] = {
      {"cut in a line", text.substr(0, text.size() - 5)},
      {"garbage", "\x01\x02\xFF zzz\n"},
      {"another header", "vx17-18 dziennik 9\n" + text.substr(text.find('\n') + 1)},
      {"unknown kind", text + "X\t" + office.root_2018().string() + "/a\n"},
      {"outside the tree", text + "U\t" + outside + "\n"},
      {"back out of the tree", text + "U\t" + (office.root_2018() / ".." / "x").string() + "\n"},
      {"no copy kept", text + "Z\t" + (office.root_2018() / "#BIN980" / "nie_ma.rek").string() + "\n"},
      {"no journal", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.content.empty())
      fs::remove(run / "dziennik.txt");
    else
      write_file(run / "dziennik.txt", c.content);
    const Tree tree_2017 = office.tree_2017(), tree_2018 = office.tree_2018();
    const auto undone = office.undo();
    EXPECT_EQ(undone.exit_code, kNothingUndone) << undone.output;
    EXPECT_NE(undone.output.find("niczego nie zmieniono"), std::string::npos) << undone.output;
    EXPECT_TRUE(office.tree_2018() == tree_2018) << first_difference(office.tree_2018(), tree_2018);
    EXPECT_TRUE(office.tree_2017() == tree_2017);
    EXPECT_FALSE(fs::exists(run / "cofnieto.txt"));
  }
}

}  // namespace
}  // namespace vx::test
