#include "charset/polish.hpp"
#include "platform/filesystem.hpp"

namespace vx::platform {

namespace {
bool match_from(std::string_view m, std::string_view n) {
  while (!m.empty()) {
    const char c = m.front();
    if (c == '*') {
      m.remove_prefix(1);
      for (std::size_t k = 0; k <= n.size(); ++k)
        if (match_from(m, n.substr(k))) return true;
      return false;
    }
    if (c == '?') {
      m.remove_prefix(1);
      // One character other than the dot, or none at the end of the name
      // or of its extension.
      if (!n.empty() && n.front() != '.' && match_from(m, n.substr(1))) return true;
      return n.empty() || n.front() == '.' ? match_from(m, n) : false;
    }
    if (n.empty() || n.front() != c) return false;
    m.remove_prefix(1);
    n.remove_prefix(1);
  }
  return n.empty();
}
}  // namespace

bool wildcard_match(std::string_view mask, std::string_view name) {
  const std::string m = charset::upper_text(mask);
  const std::string n = charset::upper_text(name);
  if (match_from(m, n)) return true;
  // "name.*" also takes a name without an extension.
  if (m.size() >= 2 && m.ends_with(".*") && n.find('.') == std::string::npos)
    return match_from(std::string_view(m).substr(0, m.size() - 2), n);
  return false;
}

}  // namespace vx::platform
