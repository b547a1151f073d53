#include "driver/data_locations.hpp"

#include <algorithm>
#include <cctype>

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "charset/utf8.hpp"
#include "console_dialogue/screen_lines.hpp"
#include "driver/program_flow.hpp"
#include "driver/run_error.hpp"
#include "platform/filesystem.hpp"

namespace vx::driver {

namespace {
constexpr std::size_t kListEntryMax = 25;
// A data root holds up to 255 characters and ends with a separator.
constexpr std::size_t kRootValueMax = 254;

inline constexpr auto kReadingPathFile = cp852("Ustalenie ścieżek dostępu ");
inline constexpr auto kPathTooLong = cp852("Za długa ścieżka ");
inline constexpr auto kPathTooLongIn = cp852(" (ponad 254 znaki) w pliku ");

// Lines of a text file: CR LF or LF ends.
std::vector<std::string> text_lines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < content.size()) {
    std::size_t j = content.find('\n', i);
    if (j == std::string::npos) j = content.size();
    std::string line = content.substr(i, j - i);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    i = j + 1;
  }
  return lines;
}

}  // namespace

std::string edited_text(const std::string& content) {
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  if (content.starts_with(kUtf8Mark)) return charset::utf8_to_cp852(content.substr(kUtf8Mark.size()));
  const bool above_ascii = std::any_of(content.begin(), content.end(),
                                       [](char c) { return static_cast<unsigned char>(c) > 127; });
  if (above_ascii && charset::is_valid_utf8(content)) return charset::utf8_to_cp852(content);
  return content;
}

namespace {

// The file's own name, without the folder it lies in.
std::string_view file_name_of(std::string_view path) {
  const auto at = path.find_last_of("\\/");
  return at == std::string_view::npos ? path : path.substr(at + 1);
}
}  // namespace

const std::string* first_root_argument(const std::vector<std::string>& arguments) {
  // Switches are not data roots, wherever they stand.
  for (const auto& a : arguments) {
    const std::string up = charset::upper_text(a);
    if (up.starts_with("/WEXSPIS:") || up.starts_with("/EXC") || up.starts_with("/LFN") || up == kUndoSwitch ||
        up == kBalanceSwitch || up == "/AUTO" || up.starts_with("/AUTO:") || up.starts_with("/WZOR:"))
      continue;
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
    // Nor does a line opening with ";" (no file name may hold one): a note.
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == ';') continue;
    list.push_back(std::move(line));
  }
  return list;
}

bool apply_path_file(Session& run, std::string_view path_file) {
  const auto content = platform::read_whole_file(path_file);
  if (!content) return false;
  console_dialogue::print_line(run.out, kReadingPathFile);
  struct Key {
    std::string_view text;
    std::string Locations::*root;
  };
  constexpr Key kKeys[] = {{"WEX_2017=", &Locations::source_root},
                           {"WEX_2018=", &Locations::target_root}};
  for (const auto& line : text_lines(edited_text(*content))) {
    for (const auto& key : kKeys) {
      if (!line.starts_with(key.text)) continue;
      const std::string value = line.substr(key.text.size());
      // Cut, the root would name another folder: the line is refused and
      // the root stays as it was.
      if (value.size() > kRootValueMax) {
        const std::string text = kPathTooLong + std::string(key.text) + kPathTooLongIn +
                                 std::string(file_name_of(path_file));
        if (run.unattended_run) {
          error_line("vx17-18: " + text);
        } else {
          console_dialogue::set_colour(run.out, console_dialogue::kError);
          console_dialogue::print_line(run.out, text);
          console_dialogue::set_colour(run.out, console_dialogue::kNormal);
          console_dialogue::read_key(run.console);
        }
      } else {
        // The separator is appended even when the value already ends with one.
        run.loc.*key.root = value + platform::kSeparator;
      }
      break;
    }
  }
  return true;
}

void settle_data_roots(Session& run, const std::vector<std::string>& arguments) {
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
