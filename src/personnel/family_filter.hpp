#pragma once
// Family members (DANE_PF8.REK, 352-byte records): carried only with their
// person, texts converted.
#include <array>
#include <cstddef>

#include "personnel/staff.hpp"
#include "recordfile/record_view.hpp"

namespace vx::personnel {

inline constexpr std::size_t kFamilyRecordSize = 352;
inline constexpr TextField kMemberSurname{56, 31};
inline constexpr TextField kMemberFirstName{88, 22};
inline constexpr std::array<TextField, 3> kFamilyTexts = {
    {{46, 9}, kMemberSurname, kMemberFirstName}};
inline constexpr std::size_t kMemberAddress = 120;  // laid out as a company record

bool family_filter(Staff& staff, ConstRecordView old, RecordView fresh);

}  // namespace vx::personnel
