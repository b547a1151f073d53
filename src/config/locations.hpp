#pragma once
// The two data roots and the side files next to the program.
#include <string>
#include <vector>

namespace vx {

struct Locations {
  std::string source_root;  // the 2017 installation, ends with a separator once checked
  std::string target_root;  // the 2018 installation
  std::vector<std::string> company_file_list;  // extra company files, from the ".LST" file
};

}  // namespace vx
