#include "config/environment.hpp"

#include "charset/polish.hpp"
#include "platform/filesystem.hpp"

namespace vx::config {

namespace {
constexpr std::size_t kRegisterNameMax = 12;

bool is_separator(char c) { return c == '\\' || c == '/'; }

std::string cut(std::string s, std::size_t max) {
  if (s.size() > max) s.resize(max);
  return s;
}
}  // namespace

bool switch_present(const std::vector<std::string>& args, std::string_view sw) {
  const std::string up = charset::upper_text(sw);
  for (const auto& a : args)
    if (charset::upper_text(a).starts_with(up)) return true;
  return false;
}

std::string switch_value(const std::vector<std::string>& args, std::string_view sw) {
  const std::string up = charset::upper_text(sw);
  for (const auto& a : args)
    if (charset::upper_text(a).starts_with(up)) return a.substr(sw.size());
  return {};
}

std::string base_path_of(std::string_view own_path) {
  // The extension is everything from the last "." of the file name on.
  const auto dot = own_path.rfind('.');
  const auto sep = own_path.find_last_of("\\/");
  if (dot == std::string_view::npos || (sep != std::string_view::npos && dot < sep))
    return std::string(own_path);
  return std::string(own_path.substr(0, dot));
}

std::string directory_of(std::string_view base_path) {
  std::string dir(base_path);
  while (!dir.empty() && !is_separator(dir.back())) dir.pop_back();
  return dir;
}

Environment settle_environment(const platform::ProcessInfo& process, EnvLookup env) {
  // Paths keep their full length: a cut path would name another file.
  Environment e;
  e.program_base = base_path_of(process.own_path);
  e.program_dir = directory_of(e.program_base);
  e.current_dir = process.current_directory;
  if (e.current_dir.size() > 3 && is_separator(e.current_dir.back())) e.current_dir.pop_back();

  e.sound_off = env("VXSOUND") == "OFF";

  e.config_ini = env("WEXCNF");
  if (e.config_ini.empty()) e.config_ini = "WEX_2018.INI";
  if (e.config_ini.find('\\') == std::string::npos && e.config_ini.find('/') == std::string::npos)
    e.config_ini = e.program_dir + e.config_ini;

  e.printer_file = env("WEXLPT");
  if (e.printer_file.empty()) e.printer_file = e.program_dir + "DRUKARKI.SET";

  auto sub = [&](const char* name) { return e.program_dir + name + platform::kSeparator; };
  e.archive_dir = sub("ARK");
  e.xml_dir = sub("XML");
  e.product_dir = sub("WEX");
  e.register_dir = sub("REJ");
  e.kdu_dir = sub("KDU");
  const std::string xy = env("WEXXY");
  if (xy.empty()) {
    e.xy_dir = sub("XY");
  } else {
    // A value whose only separator is its last character is a directory of
    // its own; anything else lies in the program directory, unless absolute.
    const auto first = xy.find_first_of("\\/");
    const bool absolute = is_separator(xy[0]) || (xy.size() > 1 && xy[1] == ':');
    if (absolute || first == xy.size() - 1)
      e.xy_dir = xy;
    else
      e.xy_dir = e.program_dir + xy;
  }

  e.register_file_name = switch_value(process.arguments, "/wexspis:");
  if (e.register_file_name.empty()) e.register_file_name = env("WEXSPIS");
  if (e.register_file_name.empty()) e.register_file_name = "SPISFIRM.DAT";
  e.register_file_name = cut(e.register_file_name, kRegisterNameMax);

  e.exc_switch = switch_present(process.arguments, "/EXC");
  e.lfn_switch = switch_present(process.arguments, "/LFN");
  return e;
}

}  // namespace vx::config
