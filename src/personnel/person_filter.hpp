#pragma once
// Employees and owners (DANE_PR8.REK, 2048-byte records, the same layout in
// both years): who is carried, and the record's texts converted.
#include <array>
#include <cstddef>

#include "personnel/staff.hpp"
#include "recordfile/field_tables.hpp"
#include "recordfile/record_view.hpp"

namespace vx::personnel {

inline constexpr std::size_t kPersonRecordSize = 2048;
inline constexpr TextField kPersonSurname{40, 31};
inline constexpr TextField kPersonFirstName{72, 22};
inline constexpr std::size_t kEmployedUntil = 213;  // packed date, 0 still employed
inline constexpr std::size_t kPersonOffice = 513;
// Three address blocks laid out as a company record.
inline constexpr std::array<std::size_t, 3> kPersonAddresses = {584, 808, 1032};

inline constexpr auto kPersonTexts =
    join(std::array<TextField, 9>{{kPersonSurname,
                                   kPersonFirstName,
                                   {95, 22},
                                   {118, 22},
                                   {141, 22},
                                   {168, 40},
                                   {219, 31},
                                   {251, 22},
                                   {427, 36}}},
         std::array<TextField, 1>{{{1256, 30}}}, series<8>(1300, 51, 50),
         std::array<TextField, 7>{
             {{1710, 24}, {1745, 31}, {1851, 31}, {1883, 22}, {1915, 8}, {1925, 70}, {2000, 15}}});

// Persons employed on this day or later, or with no end date, are employed.
inline constexpr PackedDate kCutOffDate{31, 12, 2017};

// Decides whether the person is carried; a carried person's ID goes into the
// table and the record, texts converted, into fresh.
bool person_filter(Staff& staff, ConstRecordView old, RecordView fresh);

}  // namespace vx::personnel
