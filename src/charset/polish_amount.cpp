#include "charset/polish_amount.hpp"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace vx::charset {

std::string polish_amount(double value) {
  if (!std::isfinite(value)) return "?";
  char digits[400];
  std::snprintf(digits, sizeof digits, "%.2f", std::fabs(value));
  const std::string_view all(digits);
  const std::string_view whole = all.substr(0, all.size() - 3);
  std::string out;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) out += ' ';
    out += whole[i];
  }
  out += ',';
  out += all.substr(all.size() - 2);
  // A negative amount that rounds to nothing is no debt.
  if (value < 0 && out != "0,00") out.insert(out.begin(), '-');
  return out;
}

}  // namespace vx::charset
