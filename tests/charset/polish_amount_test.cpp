#include "charset/polish_amount.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace vx::test {
namespace {

TEST(PolishAmount, GroupsThousandsWithBlanksAndGroszeAfterAComma) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "0,00"},           {5.5, "5,50"},
      {999.994, "999,99"},     {1000.0, "1 000,00"},
      {-1234.5, "-1 234,50"},  {1234567.891, "1 234 567,89"},
      {-0.004, "0,00"},        {-12345678.9, "-12 345 678,90"},
      {std::nan(""), "?"},     {-std::numeric_limits<double>::infinity(), "?"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(charset::polish_amount(value), text) << value;
}

}  // namespace
}  // namespace vx::test
