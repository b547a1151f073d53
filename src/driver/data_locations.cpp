#include "driver/data_locations.hpp"

#include <cctype>

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "platform/filesystem.hpp"
#include "transfer/console_prompts.hpp"

namespace vx::driver {

namespace {
constexpr std::size_t kListEntryMax = 25;
constexpr std::size_t kLineMax = 255;

// Lines of a text file as read by the installation's programs: CR LF or LF
// ends, each cut to 255 characters.
std::vector<std::string> text_lines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < content.size()) {
    std::size_t j = content.find('\n', i);
    if (j == std::string::npos) j = content.size();
    std::string line = content.substr(i, j - i);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kLineMax) line.resize(kLineMax);
    lines.push_back(std::move(line));
    i = j + 1;
  }
  return lines;
}
}  // namespace

const std::string* first_root_argument(const std::vector<std::string>& arguments) {
  // Switches are not data roots, wherever they stand.
  for (const auto& a : arguments) {
    const std::string up = charset::upper_text(a);
    if (up.starts_with("/WEXSPIS:") || up.starts_with("/EXC") || up.starts_with("/LFN")) continue;
    return &a;
  }
  return nullptr;
}

std::vector<std::string> read_company_file_list(std::string_view list_path) {
  std::vector<std::string> list;
  const auto content = platform::read_whole_file(list_path);
  if (!content) return list;
  for (auto& line : text_lines(*content)) {
    if (line.size() > kListEntryMax) line.resize(kListEntryMax);
    // A blank line names no file: passed over like a file that is missing.
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    list.push_back(std::move(line));
  }
  return list;
}

bool apply_path_file(Run& run, std::string_view path_file) {
  const auto content = platform::read_whole_file(path_file);
  if (!content) return false;
  transfer::print_line(run, cp852("Ustalenie ścieżek dostępu "));
  constexpr std::string_view k2017 = "WEX_2017=";
  constexpr std::string_view k2018 = "WEX_2018=";
  for (const auto& line : text_lines(*content)) {
    // The separator is appended even when the value already ends with one.
    if (line.starts_with(k2017))
      run.loc.source_root = line.substr(k2017.size()) + platform::kSeparator;
    else if (line.starts_with(k2018))
      run.loc.target_root = line.substr(k2018.size()) + platform::kSeparator;
  }
  return true;
}

void settle_data_roots(Run& run, const std::vector<std::string>& arguments) {
  run.loc.source_root = std::string(1, platform::kSeparator) + "WEX_2017" + platform::kSeparator;
  if (const auto* root = first_root_argument(arguments)) {
    run.loc.target_root = *root;
  } else {
    // The program's own directory, without a drive prefix when it has one.
    std::string dir = run.env.program_dir;
    if (dir.size() >= 2 && dir[1] == ':' && std::isalpha(static_cast<unsigned char>(dir[0])))
      dir.erase(0, 2);
    run.loc.target_root = dir;
  }
  apply_path_file(run, run.env.program_base + ".PTH");
}

}  // namespace vx::driver
