#pragma once
// Where the installation's files are, as settled at start from the program's
// own path, the environment and the command-line switches.
#include <string>
#include <string_view>
#include <vector>

#include "platform/process.hpp"

namespace vx::config {

struct Environment {
  std::string program_dir;        // ends with the separator
  std::string program_base;       // own path without its extension
  std::string current_dir;
  std::string register_file_name = "SPISFIRM.DAT";
  std::string config_ini;
  std::string printer_file;
  std::string archive_dir, xy_dir, xml_dir, product_dir, register_dir, kdu_dir;
  bool sound_off = false;
  bool exc_switch = false;  // recognised, read by nothing in this program
  bool lfn_switch = false;
};

// Reads an environment variable; injectable for tests.
using EnvLookup = std::string (*)(const std::string&);

// True when some argument, upper-cased, begins with the switch upper-cased.
bool switch_present(const std::vector<std::string>& args, std::string_view sw);
// The rest of the first argument that begins with the switch, or empty.
std::string switch_value(const std::vector<std::string>& args, std::string_view sw);

// The program's base path (extension removed) and its directory.
std::string base_path_of(std::string_view own_path);
std::string directory_of(std::string_view base_path);

Environment settle_environment(const platform::ProcessInfo& process, EnvLookup env);

}  // namespace vx::config
