#pragma once
// Files of one company, formed as the installation's programs form them:
// data root + company directory + separator + file name.
#include <string>
#include <string_view>

#include "driver/session.hpp"
#include "platform/filesystem.hpp"

namespace vx::conversion {

// A name taken from data (the ".LST" list, a list of files to hide) must
// stay a file of the company directory.
inline bool plain_file_name(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("\\/:") == std::string_view::npos;
}

inline std::string company_file(std::string_view root, std::string_view company_dir,
                                std::string_view name) {
  std::string path(root);
  path += company_dir;
  path += platform::kSeparator;
  path += name;
  return path;
}

// The company's file in the 2017 and in the 2018 installation.
inline std::string file_2017(const Session& run, std::string_view company_dir, std::string_view name) {
  return company_file(run.loc.source_root, company_dir, name);
}
inline std::string file_2018(const Session& run, std::string_view company_dir, std::string_view name) {
  return company_file(run.loc.target_root, company_dir, name);
}

}  // namespace vx::conversion
