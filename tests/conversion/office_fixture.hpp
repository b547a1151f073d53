#pragma once
// A company directory on the 2017 and the 2018 side of a run, for the tests
// of the company steps.
#include <filesystem>
#include <string>

#include "charset/polish.hpp"
#include "platform/filesystem.hpp"
#include "support/fixture.hpp"
#include "support/scripted_run.hpp"

namespace vx::test {

struct CompanyDirs {
  explicit CompanyDirs(ScriptedRun& r, std::string dir = "FIRMA1") : company(std::move(dir)) {
    std::filesystem::create_directories(tmp / "17" / company);
    std::filesystem::create_directories(tmp / "18" / company);
    r.run().loc.source_root = (tmp / "17").string() + platform::kSeparator;
    r.run().loc.target_root = (tmp / "18").string() + platform::kSeparator;
  }
  std::filesystem::path old_file(std::string_view name) const {
    return tmp / "17" / company / name;
  }
  std::filesystem::path new_file(std::string_view name) const {
    return tmp / "18" / company / name;
  }

  TempDir tmp;
  std::string company;
};

inline constexpr charset::Charsets kMazoviaTo852{1, charset::kMazovia, charset::kCp852};

}  // namespace vx::test
