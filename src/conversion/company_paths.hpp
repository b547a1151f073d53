#pragma once
// Files of one company, formed as the installation's programs form them:
// data root + company directory + separator + file name.
#include <string>
#include <string_view>

#include "config/locations.hpp"
#include "platform/filesystem.hpp"

namespace vx::conversion {

// A name taken from data (the ".LST" list, a list of files to hide) must
// stay a file of the company directory.
inline bool plain_file_name(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string_view::npos;
}

inline std::string company_file(std::string_view root, std::string_view company_dir, std::string_view name) {
  std::string path(root);
  path += company_dir;
  path += platform::kSeparator;
  path += name;
  return path;
}

// The company's files in the 2017 and in the 2018 installation.
struct CompanyPaths {
  CompanyPaths(const Locations& loc, std::string_view company_dir)
      : dir(company_dir),
        source_dir(loc.source_root + dir),
        target_dir(loc.target_root + dir),
        source_root_(loc.source_root),
        target_root_(loc.target_root) {}

  std::string source(std::string_view name) const { return company_file(source_root_, dir, name); }
  std::string target(std::string_view name) const { return company_file(target_root_, dir, name); }

  std::string dir;
  std::string source_dir;  // without the final separator
  std::string target_dir;

 private:
  std::string_view source_root_, target_root_;
};

}  // namespace vx::conversion
