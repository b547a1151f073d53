#pragma once
// The operator's choices on the wizard pages in words, for a run's report:
// each control's label (with its page or group where the item alone would
// not say which) and its value: "tak"/"nie", the item chosen, the text
// typed. CP852, in the words of the pages.
#include <string>
#include <utility>
#include <vector>

#include "driver/session.hpp"

namespace vx::driver {

std::vector<std::pair<std::string, std::string>> wizard_choices(const Session& run);

}  // namespace vx::driver
