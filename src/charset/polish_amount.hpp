#pragma once
// Amounts as Polish accounts write them, for the screen and the reports.
#include <string>

namespace vx::charset {

// "1 234 567,89", "-0,50"; "?" for what is no finite number.
std::string polish_amount(double value);

}  // namespace vx::charset
