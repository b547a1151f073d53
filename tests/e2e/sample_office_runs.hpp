#pragma once
// The sample office written anew at one place (the 2017 path is part of
// what a run writes), run whole, killed at a moment, or undone.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/fixture.hpp"
#include "support/office.hpp"
#include "support/program_runner.hpp"

namespace vx::test {

namespace fs = std::filesystem;

using Tree = std::vector<std::pair<std::string, Bytes>>;

// One office, always written anew at the same place: the 2017 path is part
// of what the run writes.
class OfficeRuns {
 public:
  // A run that has not ended by then waits for what never comes: killed.
  static constexpr long kLongestRunUs = 120'000'000;
  void write_anew() {
    fs::remove_all(tmp_.path() / "o");
    fs::create_directories(bin());
    fs::copy_file(VX_PROGRAM, bin() / kProgramFileName);
    const auto made = run_program({.arguments = {(tmp_ / "o").string(), "--companies", "4", "--persons", "4",
                                                 "--docs", "6", "--seed", "11", "--pth", (bin() / "vx17-18.PTH").string()},
                                   .program = VX_SAMPLE_TOOL});
    ASSERT_EQ(made.exit_code, 0) << made.errors;
  }
  ProgramResult run(bool hide, long kill_after_us = -1, int signal = 9) {
    // Every prompt answered alike in every run, wherever it comes: each
    // takes the first of these keys it knows. Overwrite and annual
    // questions "A", yes/no ones "t", the company list F5.
    std::string keys = hide ? "Tab\nTab\nTab\nTab\nTab\nSpace\n" : "";
    keys += wizard_defaults();
    for (int i = 0; i < 300; ++i) keys += "A\nt\nF5\n";
    return run_program({.script = keys,
                        .environment = {{"TEMP", (tmp_ / "temp").string()}},
                        .program = (bin() / kProgramFileName).string(),
                        .signal_after_us = kill_after_us,
                        .signal = signal});
  }
  // A run with these arguments and keys, and nothing else said.
  ProgramResult run_with(std::vector<std::string> arguments, const std::string& keys) {
    return run_program({.arguments = std::move(arguments),
                        .script = keys,
                        .environment = {{"TEMP", (tmp_ / "temp").string()}},
                        .program = (bin() / kProgramFileName).string(),
                        .signal_after_us = kLongestRunUs});
  }
  // Beside the office, which write_anew leaves alone; the runs' TEMP is
  // its folder "temp".
  fs::path beside() const { return tmp_.path(); }
  // "/cofnij", its screen waited for with Enter.
  ProgramResult undo() { return command({"/cofnij"}, "Enter\nEnter\n"); }
  // The program with these arguments and keys.
  ProgramResult command(std::vector<std::string> arguments, const std::string& keys) {
    return run_program({.arguments = std::move(arguments),
                        .script = keys,
                        .environment = {{"TEMP", (tmp_ / "temp").string()}},
                        .program = (bin() / kProgramFileName).string()});
  }
  fs::path root_2017() const { return tmp_ / "o" / "WEX_2017"; }
  fs::path root_2018() const { return tmp_ / "o" / "WEX_2018"; }
  Tree tree_2017() const { return snapshot_tree(tmp_ / "o" / "WEX_2017"); }
  Tree tree_2018() const { return snapshot_tree(tmp_ / "o" / "WEX_2018"); }
  bool staging_left() const {
    for (const auto& e : fs::directory_iterator(tmp_ / "o" / "WEX_2018"))
      if (e.path().filename().string().starts_with("~vx1718")) return true;
    return false;
  }

 private:
  fs::path bin() const { return tmp_ / "o" / "bin"; }
  TempDir tmp_;
};

inline std::string first_difference(const Tree& got, const Tree& want) {
  for (std::size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
    if (i >= got.size()) return "missing " + want[i].first;
    if (i >= want.size()) return "extra " + got[i].first;
    if (got[i] != want[i]) return got[i].first + " / " + want[i].first;
  }
  return "none";
}

}  // namespace vx::test
