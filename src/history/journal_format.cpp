#include "history/journal_format.hpp"

#include <cstdlib>

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
  JournalEntry e{line[0], {}};
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
  if (e.kind == 'G') {
    for (std::size_t i = 1; i < 3; ++i) {
      const auto& n = e.fields[i];
      if (n.find_first_not_of("-0123456789") != std::string::npos) return std::nullopt;
    }
  }
  return e;
}

}  // namespace vx::history
