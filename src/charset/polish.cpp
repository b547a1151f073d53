#include "charset/polish.hpp"

#include <algorithm>
#include <array>

#include "charset/cp852.hpp"

namespace vx::charset {

ByteMap::ByteMap() {
  for (int i = 0; i < 256; ++i) map_[i] = static_cast<std::uint8_t>(i);
}

ByteMap::ByteMap(std::uint8_t from, std::uint8_t to) : ByteMap() {
  const LetterRow& src = kPolishLetters[from];
  const LetterRow& dst = kPolishLetters[to];
  // Walk backwards so that the first position of a repeated byte decides.
  for (int p = kLettersPerRow - 1; p >= 0; --p)
    if (src[p] != 0) map_[src[p]] = dst[p];
}

void ByteMap::apply(std::span<std::uint8_t> bytes) const {
  for (auto& b : bytes) b = map_[b];
}

void ByteMap::apply(std::string& text) const {
  for (auto& c : text) c = static_cast<char>(map_[static_cast<std::uint8_t>(c)]);
}

namespace {
const ByteMap& identity_map() {
  static const ByteMap m;
  return m;
}
}  // namespace

const ByteMap& conversion_map(const Charsets& cs) {
  if (cs.no_char_conversion() || cs.source_charset >= kStandardCount ||
      cs.target_charset >= kStandardCount)
    return identity_map();
  static const auto maps = [] {
    std::array<std::array<ByteMap, kStandardCount>, kStandardCount> m;
    for (std::uint8_t f = 0; f < kStandardCount; ++f)
      for (std::uint8_t t = 0; t < kStandardCount; ++t) m[f][t] = ByteMap(f, t);
    return m;
  }();
  return maps[cs.source_charset][cs.target_charset];
}

std::string convert_text(const Charsets& cs, std::string_view text) {
  std::string out(text.substr(0, 255));
  conversion_map(cs).apply(out);
  return out;
}

void convert_buffer(const Charsets& cs, std::span<std::uint8_t> bytes) {
  conversion_map(cs).apply(bytes);
}

namespace {
struct CaseMaps {
  std::uint8_t upper[256];
  std::uint8_t lower[256];
};
const CaseMaps& case_maps() {
  static const CaseMaps m = [] {
    CaseMaps c{};
    for (int i = 0; i < 256; ++i) c.upper[i] = c.lower[i] = static_cast<std::uint8_t>(i);
    for (int i = 'a'; i <= 'z'; ++i) c.upper[i] = static_cast<std::uint8_t>(i & ~0x20);
    for (int i = 'A'; i <= 'Z'; ++i) c.lower[i] = static_cast<std::uint8_t>(i | 0x20);
    const LetterRow& row = kPolishLetters[kCp852];
    for (int p = 15; p >= 0; --p) {
      c.upper[row[p]] = row[p + 16];
      c.lower[row[p + 16]] = row[p];
    }
    return c;
  }();
  return m;
}

// Sort order of the system: control bytes, underscore, space to '@', the
// letters (capital before small, diacritic letters after their base), then
// [ \ ] ^ ` { | } ~. Characters not listed sort last and equal.
constexpr auto kCollation = cp852(
    "_ !\"#$%&'()*+,-./0123456789:;<=>?@"
    "AaĄąÄäBbCcĆćČčDdEeĘęËëFfGgHhIiJjKkLlŁłMmNnŃńOoÓóÖöŐőPpQqRrSsŚśŠšTtUuÜüVvWwXxYyZzŻżŹź"
    "[\\]^`{|}~");

const std::array<std::uint8_t, 256>& collation_rank() {
  static const auto rank = [] {
    std::array<std::uint8_t, 256> r;
    r.fill(255);
    int pos = 0;
    for (int b = 0; b < 32; ++b) r[b] = static_cast<std::uint8_t>(pos++);
    for (char ch : kCollation.view()) {
      auto b = static_cast<std::uint8_t>(ch);
      if (r[b] == 255) r[b] = static_cast<std::uint8_t>(pos);
      ++pos;
    }
    return r;
  }();
  return rank;
}
}  // namespace

std::uint8_t upper_char(std::uint8_t c) { return case_maps().upper[c]; }
std::uint8_t lower_char(std::uint8_t c) { return case_maps().lower[c]; }

std::string upper_text(std::string_view text) {
  std::string s(text);
  for (auto& ch : s) ch = static_cast<char>(upper_char(static_cast<std::uint8_t>(ch)));
  return s;
}

std::string lower_text(std::string_view text) {
  std::string s(text);
  for (auto& ch : s) ch = static_cast<char>(lower_char(static_cast<std::uint8_t>(ch)));
  return s;
}

int compare_texts(std::string_view a, std::string_view b) {
  const auto& rank = collation_rank();
  const std::size_t n = std::max(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    // The shorter text is padded with bytes 0.
    const std::uint8_t ca = i < a.size() ? static_cast<std::uint8_t>(a[i]) : 0;
    const std::uint8_t cb = i < b.size() ? static_cast<std::uint8_t>(b[i]) : 0;
    const int ra = rank[ca], rb = rank[cb];
    if (ra != rb) return ra < rb ? 1 : -1;
  }
  return 0;
}

}  // namespace vx::charset
