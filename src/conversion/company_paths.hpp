#pragma once
// Paths of one company's files: root + company directory + separator + name.
#include <string>
#include <string_view>

#include "conversion/company_path.hpp"
#include "driver/session.hpp"

namespace vx::conversion {

struct CompanyPaths {
  CompanyPaths(const Session& run, const std::string& company_dir)
      : dir(company_dir),
        source_dir(run.loc.source_root + company_dir),
        target_dir(run.loc.target_root + company_dir),
        run_(run) {}

  std::string source(std::string_view name) const { return file_2017(run_, dir, name); }
  std::string target(std::string_view name) const { return file_2018(run_, dir, name); }

  std::string dir;
  std::string source_dir;  // without the final separator
  std::string target_dir;

 private:
  const Session& run_;
};

}  // namespace vx::conversion
