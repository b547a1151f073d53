#pragma once
// Payroll of 2018 entered before the migration: the wage-list settings
// (2017_lp.cc into 2018_lp.cc, 2048 bytes), the wages (2018WP2.REK, 10176
// bytes) and the contracts (2018UZ3.REK, 552 bytes). Records change in place.
#include <array>
#include <cstddef>

#include "personnel/staff.hpp"
#include "recordfile/field_tables.hpp"
#include "recordfile/record_view.hpp"

namespace vx::personnel {

inline constexpr std::size_t kWageListSettingsSize = 2048;
// Ten texts each followed by 5 bytes of other data, then five more.
inline constexpr auto kWageListTexts = join(series<10>(5, 18, 12), series<5>(185, 18, 12));
inline constexpr std::size_t kWageListClearedBytes = 286;  // six bytes
inline constexpr std::size_t kWageListClearedCount = 6;
inline constexpr std::size_t kWageListMonths = 294;  // one byte per month
inline constexpr std::size_t kMonths = 12;

inline constexpr std::size_t kWageRecordSize = 10176;
inline constexpr auto kWageTexts = series<8>(15, 51, 50);

inline constexpr std::size_t kContractRecordSize = 552;
inline constexpr auto kContractTexts =
    join(std::array<TextField, 2>{{{20, 10}, {31, 10}}}, series<3>(42, 61, 60));

// Every record is written: month bytes and the six bytes cleared.
bool wage_list_settings_filter(Staff& staff, RecordView rec);
// Wages of persons not carried are dropped without a word.
bool wage_filter(Staff& staff, RecordView rec);
// Contracts of persons not carried are dropped, each reported.
bool contract_filter(Staff& staff, RecordView rec);

}  // namespace vx::personnel
