#pragma once
// The four wizard pages on which the operator settles the options.
#include <memory>

#include "driver/session.hpp"
#include "ui/dialog_form.hpp"

namespace vx::driver {

inline constexpr int kFirstPage = 1;
inline constexpr int kLastPage = 4;

// Builds page n (1..4), bound to the run's options; null outside 1..4.
std::unique_ptr<ui::DialogForm> make_page(Session& run, int page);

}  // namespace vx::driver
