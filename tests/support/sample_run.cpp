#include <gtest/gtest.h>

#include "support/sample_run.hpp"

#include <algorithm>

#include "support/office.hpp"

namespace vx::test {

namespace fs = std::filesystem;

SampleRun::SampleRun() {
  fs::create_directories(bin_);
  fs::create_directories(temp_);
  fs::copy_file(VX_PROGRAM, program());
  const auto made = run_program({.arguments = {office_.string(), "--companies", "2", "--persons", "3", "--docs",
                                               "4", "--seed", "5", "--pth", (bin_ / "vx17-18.PTH").string()},
                                 .program = VX_SAMPLE_TOOL});
  if (made.exit_code != 0) throw std::runtime_error("vx-sample failed: " + made.errors);
}

ProgramResult SampleRun::migrate(const std::string& before_list, bool convert) {
  // The character standard is the third control of page 1; its second choice converts.
  std::string script = (convert ? "Tab\nTab\nDown\nSpace\n" : "") + wizard_defaults() + before_list + select_all();
  for (int i = 0; i < 400; ++i) script += "n\n";
  return run_program({.script = script,
                      .environment = {{"TEMP", temp_.string()}},
                      .program = program().string(),
                      .working_dir = temp_.string()});
}

ProgramResult SampleRun::unattended(const std::string& profile) {
  return run_program({.arguments = {profile.empty() ? "/auto" : "/auto:" + profile},
                      .environment = {{"TEMP", temp_.string()}},
                      .program = program().string(),
                      .working_dir = temp_.string(),
                      .signal_after_us = 120'000'000});
}

std::vector<std::pair<std::string, Bytes>> SampleRun::outside_2018() const {
  auto all = snapshot_tree(tmp_.path());
  const std::string tree = fs::relative(new_root(), tmp_.path()).generic_string() + "/";
  const std::string temp = fs::relative(temp_, tmp_.path()).generic_string() + "/";
  std::erase_if(all, [&](const auto& e) { return e.first.starts_with(tree) || e.first.starts_with(temp); });
  return all;
}

::testing::AssertionResult ended_normally(const ProgramResult& r) {
  if (r.exit_code != 0) return ::testing::AssertionFailure() << "exit code " << r.exit_code << "\n" << r.errors;
  for (const char* report : {"AddressSanitizer", "runtime error", "LeakSanitizer"})
    if (r.errors.find(report) != std::string::npos) return ::testing::AssertionFailure() << r.errors;
  if (r.output.find("--- exit 0 ---") == std::string::npos)
    return ::testing::AssertionFailure() << "no normal end:\n" << r.output.substr(r.output.size() > 3000 ? r.output.size() - 3000 : 0);
  if (!r.shows("Koniec pracy kopiera danych WEX_VX na rok 2018"))
    return ::testing::AssertionFailure() << "the closing line is missing";
  return ::testing::AssertionSuccess();
}

}  // namespace vx::test
