#pragma once
// Builders for record layouts written as tables: runs of equal fields,
// repeated entries, and the check that a table fits its record.
#include <array>
#include <cstddef>

#include "recordfile/record_view.hpp"

namespace vx {

// Bytes carried unchanged from the old record into the new one.
struct ByteRange {
  std::size_t offset;
  std::size_t length;
};

// The bytes of a text field of the given capacity (length byte included).
constexpr ByteRange text_bytes(std::size_t offset, std::size_t capacity) { return {offset, capacity + 1}; }

constexpr std::size_t begin_of(TextField f) { return f.offset; }
constexpr std::size_t end_of(TextField f) { return f.offset + f.capacity + 1; }
constexpr std::size_t begin_of(ByteRange r) { return r.offset; }
constexpr std::size_t end_of(ByteRange r) { return r.offset + r.length; }

constexpr TextField shifted(TextField f, std::size_t by) { return {f.offset + by, f.capacity}; }
constexpr ByteRange shifted(ByteRange r, std::size_t by) { return {r.offset + by, r.length}; }

// A literal list of fields or ranges as an array, to join with others.
template <std::size_t N>
constexpr std::array<TextField, N> fields(const TextField (&list)[N]) {
  std::array<TextField, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = list[i];
  return out;
}
template <std::size_t N>
constexpr std::array<ByteRange, N> ranges(const ByteRange (&list)[N]) {
  std::array<ByteRange, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = list[i];
  return out;
}

// Count text fields of one capacity, the first at first, stride bytes apart.
template <std::size_t Count>
constexpr std::array<TextField, Count> series(std::size_t first, std::size_t stride, std::size_t capacity) {
  std::array<TextField, Count> out{};
  for (std::size_t i = 0; i < Count; ++i) out[i] = {first + stride * i, capacity};
  return out;
}

// An entry layout (offsets within the entry) repeated Count times.
template <std::size_t Count, typename T, std::size_t N>
constexpr std::array<T, Count * N> repeat(std::size_t first, std::size_t stride,
                                          const std::array<T, N>& entry) {
  std::array<T, Count * N> out{};
  for (std::size_t i = 0; i < Count; ++i)
    for (std::size_t k = 0; k < N; ++k) out[i * N + k] = shifted(entry[k], first + stride * i);
  return out;
}

template <typename T, std::size_t... Ns>
constexpr std::array<T, (Ns + ...)> join(const std::array<T, Ns>&... parts) {
  std::array<T, (Ns + ...)> out{};
  std::size_t at = 0;
  (([&] {
     for (const auto& e : parts) out[at++] = e;
   }()),
   ...);
  return out;
}

namespace detail {
struct Extent {
  std::size_t begin = 0, end = 0;
};
template <typename T, std::size_t N>
constexpr void add_extents(std::array<Extent, 1024>& all, std::size_t& n, const std::array<T, N>& t) {
  for (const auto& e : t) all[n++] = {begin_of(e), end_of(e)};
}
}  // namespace detail

// True when every field and range lies inside a record of the given size and
// none of them overlaps another: a typing slip in a table fails the build.
template <typename... Tables>
constexpr bool fits_without_overlap(std::size_t record_size, const Tables&... tables) {
  std::array<detail::Extent, 1024> all{};
  std::size_t n = 0;
  (detail::add_extents(all, n, tables), ...);
  for (std::size_t i = 0; i < n; ++i) {
    if (all[i].end > record_size) return false;
    for (std::size_t k = i + 1; k < n; ++k)
      if (all[i].begin < all[k].end && all[k].begin < all[i].end) return false;
  }
  return true;
}

}  // namespace vx
