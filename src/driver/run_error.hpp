#pragma once
// An error that stops the run before the copying: in a message box at the
// console, on standard error in an unattended run (nobody is there to press
// a key).
#include <string_view>

#include "driver/session.hpp"

namespace vx::driver {

// The text in the message box's form: lines broken by ui::kLineBreak, each
// perhaps opened with ui::kCentre.
void report_run_error(Session& run, std::string_view text);

// A line on standard error (CP852 in).
void error_line(std::string_view text);

}  // namespace vx::driver
