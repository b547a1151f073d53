#pragma once
// Building blocks of the personnel record layouts: runs of equal text fields
// at a fixed stride, joined into one table per record.
#include <array>
#include <cstddef>

#include "recordfile/record_view.hpp"

namespace vx::personnel {

// N text fields of one capacity, the first at first, each stride bytes on.
template <std::size_t N>
constexpr std::array<TextField, N> repeated_texts(std::size_t first, std::size_t stride,
                                                  std::size_t capacity) {
  std::array<TextField, N> fields{};
  for (std::size_t i = 0; i < N; ++i) fields[i] = {first + i * stride, capacity};
  return fields;
}

template <std::size_t A, std::size_t B>
constexpr std::array<TextField, A + B> join(const std::array<TextField, A>& a,
                                            const std::array<TextField, B>& b) {
  std::array<TextField, A + B> fields{};
  for (std::size_t i = 0; i < A; ++i) fields[i] = a[i];
  for (std::size_t i = 0; i < B; ++i) fields[A + i] = b[i];
  return fields;
}

template <std::size_t A, std::size_t B, std::size_t... Rest>
constexpr auto join(const std::array<TextField, A>& a, const std::array<TextField, B>& b,
                    const std::array<TextField, Rest>&... rest) {
  return join(join(a, b), rest...);
}

}  // namespace vx::personnel
