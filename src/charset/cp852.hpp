#pragma once
// Message literals are written in UTF-8 in the source and held as CP852
// bytes; cp852("...") converts them at compile time.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "charset/unicode_table.hpp"

namespace vx {

template <std::size_t N>
struct Cp852Text {
  char bytes[N]{};
  std::size_t size = 0;

  constexpr std::string_view view() const { return {bytes, size}; }
  constexpr operator std::string_view() const { return view(); }
  std::string str() const { return std::string(view()); }
};

template <std::size_t N>
std::string operator+(const Cp852Text<N>& a, std::string_view b) {
  std::string s(a.view());
  s += b;
  return s;
}
template <std::size_t N>
std::string operator+(std::string_view a, const Cp852Text<N>& b) {
  std::string s(a);
  s += b.view();
  return s;
}
template <std::size_t N>
std::string operator+(const std::string& a, const Cp852Text<N>& b) {
  return a + std::string(b.view());
}
template <std::size_t N>
std::string operator+(const Cp852Text<N>& a, const std::string& b) {
  return std::string(a.view()) + b;
}
template <std::size_t N>
std::string operator+(const Cp852Text<N>& a, const char* b) {
  return std::string(a.view()) + b;
}

namespace detail {
// Decodes one UTF-8 sequence at s[i]; advances i. Throws on malformed input,
// which at compile time stops the build.
constexpr char32_t decode_utf8(const char* s, std::size_t n, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) { ++i; return b0; }
  int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : -1;
  if (extra < 0 || i + static_cast<std::size_t>(extra) >= n + 1)
    throw std::invalid_argument("malformed UTF-8");
  char32_t c = b0 & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((b & 0xC0) != 0x80) throw std::invalid_argument("malformed UTF-8");
    c = (c << 6) | (b & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return c;
}
}  // namespace detail

template <std::size_t N>
consteval Cp852Text<N> cp852(const char (&utf8)[N]) {
  Cp852Text<N> out{};
  std::size_t i = 0;
  const std::size_t n = N - 1;  // without the terminating zero
  while (i < n) {
    const char32_t c = detail::decode_utf8(utf8, n, i);
    const int b = charset::unicode_to_cp852(c);
    if (b < 0) throw std::invalid_argument("character missing in CP852");
    out.bytes[out.size++] = static_cast<char>(b);
  }
  return out;
}

}  // namespace vx
