#pragma once
// Paths of one company's files: root + company directory + separator + name.
#include <string>
#include <string_view>

#include "driver/run.hpp"
#include "platform/filesystem.hpp"

namespace vx::conversion {

struct CompanyPaths {
  CompanyPaths(const Run& run, const std::string& company_dir)
      : dir(company_dir),
        source_dir(run.loc.source_root + company_dir),
        target_dir(run.loc.target_root + company_dir) {}

  std::string source(std::string_view name) const { return source_dir + platform::kSeparator + std::string(name); }
  std::string target(std::string_view name) const { return target_dir + platform::kSeparator + std::string(name); }

  std::string dir;
  std::string source_dir;  // without the final separator
  std::string target_dir;
};

}  // namespace vx::conversion
