#include "platform/key_script.hpp"

#include <charconv>
#include <string>

#include "charset/unicode_table.hpp"
#include "charset/utf8.hpp"
#include "platform/key_codes.hpp"

namespace vx::platform {

namespace {

struct NamedKey {
  std::string_view name;
  std::uint16_t code;
};

constexpr NamedKey kNamedKeys[] = {
    {"Esc", keys::kEsc},       {"Enter", keys::kEnter},         {"C-Enter", keys::kCtrlEnter},
    {"Tab", keys::kTab},       {"S-Tab", keys::kShiftTab},      {"BS", keys::kBackspace},
    {"Space", keys::kSpace},   {"Up", keys::kUp},               {"Down", keys::kDown},
    {"Left", keys::kLeft},     {"Right", keys::kRight},         {"C-Left", keys::kCtrlLeft},
    {"C-Right", keys::kCtrlRight}, {"Home", keys::kHome},       {"End", keys::kEnd},
    {"PgUp", keys::kPgUp},     {"PgDn", keys::kPgDn},           {"Ins", keys::kIns},
    {"Del", keys::kDel},       {"Grey+", keys::kGreyPlus},      {"Grey-", keys::kGreyMinus},
};

ScriptInput key(std::uint16_t code, std::uint8_t shift = 0) {
  ScriptInput in;
  in.key = {code, shift};
  return in;
}

// The key of a typed character; none when CP852 lacks it.
std::optional<ScriptInput> char_input(char32_t c) {
  const int code = charset::unicode_to_cp852(c);
  if (code < 0) return std::nullopt;
  const auto ch = static_cast<std::uint8_t>(code);
  const bool capital = ch >= 'A' && ch <= 'Z';
  return key(keys::char_key(ch), capital ? kShiftState : 0);
}

std::optional<int> number(std::string_view s) {
  int v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<ScriptInput> parse_click(std::string_view rest) {
  // "left|right|middle COL ROW"
  auto sp1 = rest.find(' ');
  if (sp1 == std::string_view::npos) return std::nullopt;
  auto sp2 = rest.find(' ', sp1 + 1);
  if (sp2 == std::string_view::npos) return std::nullopt;
  const auto button = rest.substr(0, sp1);
  const auto col = number(rest.substr(sp1 + 1, sp2 - sp1 - 1));
  const auto row = number(rest.substr(sp2 + 1));
  if (!col || !row || *col < 1 || *col > kScreenCols || *row < 1 || *row > kScreenRows)
    return std::nullopt;
  ScriptInput in;
  in.kind = ScriptInput::kMouse;
  if (button == "left") in.mouse.buttons = 1;
  else if (button == "right") in.mouse.buttons = 2;
  else if (button == "middle") in.mouse.buttons = 4;
  else return std::nullopt;
  in.mouse.col = *col;
  in.mouse.row = *row;
  return in;
}

std::optional<ScriptInput> parse_name(std::string_view line) {
  for (const auto& k : kNamedKeys)
    if (k.name == line) return key(k.code);
  // F1 to F12, written without a leading zero.
  if (line.size() >= 2 && line[0] == 'F' && line[1] != '0') {
    if (auto n = number(line.substr(1)); n && *n >= 1 && *n <= 12)
      return key(keys::function_key(*n));
  }
  auto letter = [](std::string_view s) { return s.size() == 1 && s[0] >= 'A' && s[0] <= 'Z'; };
  if (line.starts_with("C-") && letter(line.substr(2))) return key(keys::ctrl_letter(line[2]));
  if (line.starts_with("A-") && letter(line.substr(2))) return key(keys::alt_letter(line[2]));
  if (line.starts_with("S-A-") && letter(line.substr(4)))
    return key(keys::alt_letter(line[4]), kShiftState);
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<ScriptInput>> parse_script_line(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<ScriptInput> out;
  if (line.empty() || line[0] == '#') return out;
  if (line.starts_with("text ")) {
    const auto text = line.substr(5);
    std::size_t i = 0;
    while (i < text.size()) {
      const auto in = char_input(charset::next_code_point(text, i));
      if (!in) return std::nullopt;
      out.push_back(*in);
    }
    return out;
  }
  if (line.starts_with("click ")) {
    if (auto c = parse_click(line.substr(6))) return std::vector{*c};
    return std::nullopt;
  }
  {
    std::size_t i = 0;
    const char32_t c = charset::next_code_point(line, i);
    if (i == line.size()) {
      if (const auto in = char_input(c)) return std::vector{*in};
      return std::nullopt;
    }
  }
  if (auto k = parse_name(line)) return std::vector{*k};
  return std::nullopt;
}

}  // namespace vx::platform
