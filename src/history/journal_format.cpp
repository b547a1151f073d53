#include "history/journal_format.hpp"

#include <algorithm>
#include <charconv>

namespace vx::history {

namespace {

void append_escaped(std::string& out, std::string_view field) {
  for (const char c : field) {
    switch (c) {
      case '\t': out += "%09"; break;
      case '\n': out += "%0A"; break;
      case '\r': out += "%0D"; break;
      case '%': out += "%25"; break;
      default: out += c;
    }
  }
}

std::optional<std::string> unescaped(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '%') {
      out += field[i];
      continue;
    }
    if (i + 2 >= field.size()) return std::nullopt;
    const std::string_view code = field.substr(i + 1, 2);
    if (code == "09") out += '\t';
    else if (code == "0A") out += '\n';
    else if (code == "0D") out += '\r';
    else if (code == "25") out += '%';
    else return std::nullopt;
    i += 2;
  }
  return out;
}

// The whole field a number that fits, or false.
template <typename T>
bool number(const std::string& field, T& value) {
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size();
}

std::size_t fields_of(char kind) {
  switch (kind) {
    case 'U':
    case 'K':
    case 'Z': return 1;
    case 'R': return 2;
    case 'G': return 3;
    default: return 0;
  }
}

}  // namespace

void append_journal_line(std::string& out, char kind, std::initializer_list<std::string_view> fields) {
  out += kind;
  for (const auto f : fields) {
    out += '\t';
    append_escaped(out, f);
  }
  out += '\n';
}

std::optional<JournalEntry> parse_journal_line(std::string_view line) {
  if (line.size() < 3 || line[1] != '\t') return std::nullopt;
  JournalEntry e;
  e.kind = line[0];
  const std::size_t wanted = fields_of(e.kind);
  if (wanted == 0) return std::nullopt;
  std::string_view rest = line.substr(2);
  for (;;) {
    const auto tab = rest.find('\t');
    auto field = unescaped(rest.substr(0, tab));
    if (!field || field->empty()) return std::nullopt;
    e.fields.push_back(std::move(*field));
    if (tab == std::string_view::npos) break;
    rest = rest.substr(tab + 1);
  }
  if (e.fields.size() != wanted) return std::nullopt;
  if (e.kind == 'G' && !(number(e.fields[1], e.stamp.size) && number(e.fields[2], e.stamp.modified)))
    return std::nullopt;
  return e;
}

bool inside_root(std::string_view path, std::string_view root) {
  if (path.size() <= root.size() || !path.starts_with(root)) return false;
  // No ".." among the names below the root.
  for (std::size_t at = root.size(); at <= path.size();) {
    const std::size_t end = std::min(path.find_first_of("/\\", at), path.size());
    if (path.substr(at, end - at) == "..") return false;
    at = end + 1;
  }
  return true;
}

std::string backup_path(std::string_view run_folder, std::string_view target_root, std::string_view path) {
  return std::string(run_folder) + std::string(kBackupFolder) + platform::kSeparator +
         std::string(path.substr(target_root.size()));
}

}  // namespace vx::history
