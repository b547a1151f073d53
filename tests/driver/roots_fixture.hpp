#pragma once
// A 2017 location holding a register and an existing 2018 directory, for
// the runs that must get past the locations page.
#include <filesystem>
#include <string>

#include "driver/session.hpp"
#include "support/fixture.hpp"

namespace vx::test {

struct Roots {
  TempDir dir;
  std::string source, target;  // with their final separator
  Roots() {
    write_file(dir / "wex17" / "SPISFIRM.DAT", std::string(103, 'x'));
    std::filesystem::create_directories(dir / "wex18");
    source = (dir / "wex17").string() + "/";
    target = (dir / "wex18").string() + "/";
  }
  void apply(Session& run) const {
    run.loc.source_root = source;
    run.loc.target_root = target;
  }
};

}  // namespace vx::test
