#pragma once
// The sample's source of chance: a fixed generator and fixed arithmetic on
// its numbers, so that one seed always gives the same office.
#include <cmath>
#include <cstdint>
#include <random>
#include <span>
#include <string>

namespace vx::sample {

class Dice {
 public:
  // Independent streams for the parts of the office (a company, the global
  // files) from the operator's seed.
  Dice(std::uint32_t seed, std::uint32_t stream) : gen_(mix(seed, stream)) {}

  std::uint32_t below(std::uint32_t n) { return n == 0 ? 0 : static_cast<std::uint32_t>(gen_() % n); }
  int between(int lo, int hi) { return lo + static_cast<int>(below(static_cast<std::uint32_t>(hi - lo + 1))); }
  bool percent(int p) { return static_cast<int>(below(100)) < p; }
  // An amount in zloty with whole grosze.
  double amount(double lo, double hi) {
    const auto grosze = static_cast<std::uint32_t>(std::llround((hi - lo) * 100.0));
    return lo + static_cast<double>(below(grosze + 1)) / 100.0;
  }
  std::string digits(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += static_cast<char>('0' + below(10));
    return s;
  }
  template <typename T>
  const T& pick(std::span<const T> list) { return list[below(static_cast<std::uint32_t>(list.size()))]; }

 private:
  static std::uint32_t mix(std::uint32_t seed, std::uint32_t stream) {
    // splitmix64 of both numbers: nearby seeds give unrelated streams.
    std::uint64_t z = (static_cast<std::uint64_t>(seed) << 32 | stream) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>(z ^ (z >> 31));
  }
  std::mt19937 gen_;
};

// Rounds to whole grosze, as the books keep amounts.
inline double grosze(double v) { return std::round(v * 100.0) / 100.0; }

}  // namespace vx::sample
