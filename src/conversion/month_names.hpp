#pragma once
// Names of the months as the progress lines show them: entry 0 "-", 1 to 12
// the months, 13 the yearly summary.
#include <array>
#include <string_view>

#include "charset/cp852.hpp"

namespace vx::conversion {

namespace month_name {
inline constexpr auto kNone = cp852("-");
inline constexpr auto k1 = cp852("Styczeń");
inline constexpr auto k2 = cp852("Luty");
inline constexpr auto k3 = cp852("Marzec");
inline constexpr auto k4 = cp852("Kwiecień");
inline constexpr auto k5 = cp852("Maj");
inline constexpr auto k6 = cp852("Czerwiec");
inline constexpr auto k7 = cp852("Lipiec");
inline constexpr auto k8 = cp852("Sierpień");
inline constexpr auto k9 = cp852("Wrzesień");
inline constexpr auto k10 = cp852("Październik");
inline constexpr auto k11 = cp852("Listopad");
inline constexpr auto k12 = cp852("Grudzień");
inline constexpr auto kSummary = cp852("Zestawienie");
}  // namespace month_name

inline constexpr std::array<std::string_view, 14> kMonthNames = {
    month_name::kNone, month_name::k1,  month_name::k2,  month_name::k3,       month_name::k4,
    month_name::k5,    month_name::k6,  month_name::k7,  month_name::k8,       month_name::k9,
    month_name::k10,   month_name::k11, month_name::k12, month_name::kSummary,
};

}  // namespace vx::conversion
