#include "config/ini_file.hpp"

#include <algorithm>
#include <charconv>

#include "charset/polish.hpp"
#include "platform/filesystem.hpp"
#include "recordfile/date_text.hpp"

namespace vx::config {

namespace {

constexpr std::string_view kMissing = "!";  // the marker a missing integer reads as
constexpr std::string_view kYes = "TAK";
constexpr std::string_view kNo = "NIE";
constexpr std::string_view kLineEnd = "\r\n";

std::string_view trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

// The upper-cased key of an entry line, or empty when the line is none.
std::string entry_key(std::string_view line) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return {};
  return charset::upper_text(trimmed(line.substr(0, eq)));
}

std::string_view entry_value(std::string_view line) { return line.substr(line.find('=') + 1); }

bool is_section_line(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace

bool IniFile::open(std::string_view file_name) {
  file_name_ = std::string(file_name);
  sections_.clear();
  if (!platform::find_entry(file_name)) return true;  // missing: no sections
  const auto content = platform::read_whole_file(file_name);
  if (!content) return false;
  read_lines(*content);
  return true;
}

void IniFile::read_lines(std::string_view content) {
  sections_.clear();
  std::string_view rest = content;
  std::size_t current = 0;
  int number = 0;
  while (!rest.empty()) {
    ++number;
    const auto end = rest.find('\n');
    std::string_view raw = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    const std::string_view line = trimmed(raw);
    if (is_section_line(line)) {
      // A name met again, in whatever case, goes on with the same section.
      const auto name = line.substr(1, line.size() - 2);
      current = section_index(name);
      if (current == sections_.size())
        sections_.push_back({std::string(name), charset::upper_text(name), true, {}});
      continue;
    }
    if (sections_.empty()) sections_.push_back({"", "", false, {}});
    sections_[current].lines.push_back({std::string(line), entry_key(line), number});
  }
}

std::size_t IniFile::section_index(std::string_view name) const {
  const std::string key = charset::upper_text(name);
  for (std::size_t i = 0; i < sections_.size(); ++i)
    if (sections_[i].has_header && sections_[i].key == key) return i;
  return sections_.size();
}

const IniFile::Section* IniFile::find_section(std::string_view name) const {
  const std::size_t i = section_index(name);
  return i < sections_.size() ? &sections_[i] : nullptr;
}

IniFile::Section& IniFile::section_for_writing(std::string_view name) {
  const std::size_t i = section_index(name);
  if (i < sections_.size()) return sections_[i];
  sections_.push_back({std::string(name), charset::upper_text(name), true, {}});
  return sections_.back();
}

std::string IniFile::read_value(std::string_view section, std::string_view key,
                                std::string_view missing) const {
  if (const Section* s = find_section(section)) {
    const std::string k = charset::upper_text(key);
    for (const auto& line : s->lines)
      if (!line.key.empty() && line.key == k) return std::string(entry_value(line.text));
  }
  return std::string(missing);
}

std::vector<IniFile::Entry> IniFile::entries() const {
  std::vector<Entry> out;
  for (const auto& s : sections_)
    for (const auto& l : s.lines)
      out.push_back({s.name, l.key, l.key.empty() ? std::string() : std::string(trimmed(entry_value(l.text))),
                     l.text, l.number});
  std::stable_sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return a.line < b.line; });
  return out;
}

std::string IniFile::read_text(std::string_view section, std::string_view key) const {
  return read_value(section, key, "");
}

long IniFile::read_integer(std::string_view section, std::string_view key, long default_value) const {
  const std::string v = read_value(section, key, kMissing);
  if (v == kMissing) return default_value;
  const std::string_view digits = trimmed(v);
  long value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size()) return default_value;
  return value;
}

bool IniFile::read_yes_no(std::string_view section, std::string_view key) const {
  return charset::upper_text(read_text(section, key)) == kYes;
}

char IniFile::read_char(std::string_view section, std::string_view key) const {
  const std::string v = read_text(section, key);
  return v.empty() ? '\0' : v[0];
}

PackedDate IniFile::read_date(std::string_view section, std::string_view key) const {
  return parse_date_text(read_text(section, key));
}

Address IniFile::read_address(std::string_view section) const {
  Address a;
  const auto fields = a.fields();
  for (std::size_t i = 0; i < kAddressKeys.size(); ++i) *fields[i] = read_text(section, kAddressKeys[i]);
  return a;
}

void IniFile::write_text(std::string_view section, std::string_view key, std::string_view value) {
  Section& s = section_for_writing(section);
  const std::string k = charset::upper_text(key);
  for (auto& line : s.lines) {
    if (!line.key.empty() && line.key == k) {
      // The key keeps the spelling it has in the file.
      line.text = line.text.substr(0, line.text.find('=') + 1) + std::string(value);
      return;
    }
  }
  // A new entry goes behind the section's last entry, before any blank or
  // comment lines that close the section.
  auto after = std::find_if(s.lines.rbegin(), s.lines.rend(),
                            [](const Line& l) { return !l.key.empty(); });
  s.lines.insert(after.base(), {std::string(key) + "=" + std::string(value), k, 0});
}

void IniFile::write_integer(std::string_view section, std::string_view key, long value) {
  write_text(section, key, std::to_string(value));
}

void IniFile::write_yes_no(std::string_view section, std::string_view key, bool value) {
  write_text(section, key, value ? kYes : kNo);
}

void IniFile::write_char(std::string_view section, std::string_view key, char value) {
  write_text(section, key, value == '\0' ? std::string() : std::string(1, value));
}

void IniFile::write_date(std::string_view section, std::string_view key, PackedDate value) {
  write_text(section, key, date_text(value));
}

void IniFile::write_address(std::string_view section, const Address& value) {
  const auto fields = value.fields();
  for (std::size_t i = 0; i < kAddressKeys.size(); ++i) write_text(section, kAddressKeys[i], *fields[i]);
}

bool IniFile::save() const {
  std::string content;
  for (const auto& s : sections_) {
    if (s.has_header) {
      content += '[';
      content += s.name;
      content += ']';
      content += kLineEnd;
    }
    for (const auto& line : s.lines) {
      content += line.text;
      content += kLineEnd;
    }
  }
  return platform::write_whole_file(file_name_, content);
}

void IniFile::close() {
  sections_.clear();
  sections_.shrink_to_fit();
}

}  // namespace vx::config
