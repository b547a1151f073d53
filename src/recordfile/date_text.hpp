#pragma once
// Packed dates as the system writes them in text: day and month of two
// digits and the year of four, separated by "-" (31-12-2017); a date that is
// not a calendar date in the years 1 to 2999 is written as "-".
#include <string>
#include <string_view>

#include "recordfile/record_view.hpp"

namespace vx {

std::string date_text(PackedDate d);
// The date written in that form; anything else gives no date (0).
PackedDate parse_date_text(std::string_view text);

}  // namespace vx
