#pragma once
// The generator's sample office set deep inside a temporary directory, so
// that names climbing out of either tree with ".." still land where the
// test sees them; the program runs headless with every question answered
// "n" and its temporary directory inside the test's one.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/fixture.hpp"
#include "support/program_runner.hpp"

namespace vx::test {

class SampleRun {
 public:
  // Writes the sample office of two companies ("PIEKARN", "SLUSARZ").
  SampleRun();

  std::filesystem::path old_root() const { return office_ / "WEX_2017"; }
  std::filesystem::path new_root() const { return office_ / "WEX_2018"; }
  std::filesystem::path program() const { return bin_ / "vx17-18"; }
  std::filesystem::path top() const { return tmp_.path(); }
  const std::vector<std::string>& companies() const { return companies_; }

  // The wizard left as offered (but for the Polish letters converted from
  // Mazovia to CP852 when asked), the keys for waits before the company
  // list, every company taken, then "n" to every question and key wait.
  ProgramResult migrate(const std::string& before_list = "", bool convert = false);

  // "/auto", with the profile when one is named, and nothing on standard
  // input; killed when it has not ended in two minutes.
  ProgramResult unattended(const std::string& profile = "");

  // Every entry of the test's directory outside the 2018 tree and the
  // program's temporary directory, with the bytes of its files.
  std::vector<std::pair<std::string, Bytes>> outside_2018() const;

 private:
  TempDir tmp_;
  std::filesystem::path office_ = tmp_ / "1/2/3/4/5/6/7/8/9/office";
  std::filesystem::path bin_ = office_ / "bin";
  std::filesystem::path temp_ = tmp_ / "temp";
  std::vector<std::string> companies_ = {"PIEKARN", "SLUSARZ"};
};

// What a run that went through must show: the normal end, exit code 0 and
// nothing from the sanitizers.
::testing::AssertionResult ended_normally(const ProgramResult& r);

}  // namespace vx::test
