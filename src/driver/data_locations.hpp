#pragma once
// Where the 2017 and 2018 data live: defaults, the command line and the side
// files next to the program.
#include <string>
#include <vector>

#include "driver/session.hpp"

namespace vx::driver {

// ".LST": extra company files, one per line, each cut to 25 characters;
// blank lines are skipped.
std::vector<std::string> read_company_file_list(std::string_view list_path);

// A side file as CP852: an editor of today writes UTF-8, marked or not,
// the installation's own programs CP852. Text that is well-formed UTF-8 and
// holds a byte above 127 is all but never meant as CP852.
std::string edited_text(const std::string& content);

// The first argument that is not a switch: the 2018 data root.
const std::string* first_root_argument(const std::vector<std::string>& arguments);

// Defaults, then the first argument, then the ".PTH" file.
void settle_data_roots(Session& run, const std::vector<std::string>& arguments);

// Reads the ".PTH" lines "WEX_2017=" and "WEX_2018=" into the roots (the
// file in UTF-8 or CP852); a value too long for a root is refused with a
// message and a key wait. False when the file cannot be opened.
bool apply_path_file(Session& run, std::string_view path_file);

}  // namespace vx::driver
