#pragma once
// 39771-byte fixed-asset record (srodki.rek, wyposaz.rek and every further
// register of the fixed-asset add-on): its text fields converted in place.
#include <array>
#include <cstddef>

#include "conversion/text_fields.hpp"
#include "driver/run.hpp"

namespace vx::conversion {

inline constexpr std::size_t kFixedAssetRecordSize = 39771;

namespace fixed_asset {
// The asset's single texts.
inline constexpr TextField kSingleTexts[] = {
    {4, 60},   {65, 60},  {126, 30}, {157, 30}, {192, 60},  {253, 60},  {314, 60},
    {543, 30}, {578, 60}, {639, 60}, {700, 60}, {1762, 20}, {1783, 60},
};
// Runs of texts (60) 61 bytes apart, each run starting one step after its
// base offset.
struct TextRun {
  std::size_t base;
  std::size_t count;
};
inline constexpr std::size_t kRunText = 60;
inline constexpr std::size_t kRunStep = 61;
inline constexpr TextRun kRuns[] = {{700, 4}, {1244, 4}, {1518, 3}};
// The depreciation table: one entry of 85 bytes per month, twelve per year
// for the years 1985 to 2020, each starting with a text (30).
inline constexpr std::size_t kYearTable = 2075;
inline constexpr std::size_t kYearEntries = 2020 - 1985 + 1;
inline constexpr std::size_t kYearSize = 1020;
inline constexpr std::size_t kMonthSize = 85;
inline constexpr std::size_t kMonthText = 30;
inline constexpr TextField kTailTexts[] = {{39143, 15}, {39159, 18}};

inline constexpr auto kTexts = [] {
  constexpr std::size_t kRunTexts = 4 + 4 + 3;
  std::array<TextField,
             std::size(kSingleTexts) + kRunTexts + kYearEntries * 12 + std::size(kTailTexts)>
      all{};
  std::size_t n = 0;
  for (const auto& f : kSingleTexts) all[n++] = f;
  for (const auto& run : kRuns)
    for (std::size_t i = 1; i <= run.count; ++i) all[n++] = {run.base + kRunStep * i, kRunText};
  for (std::size_t year = 0; year < kYearEntries; ++year)
    for (std::size_t month = 0; month < 12; ++month)
      all[n++] = {kYearTable + kYearSize * year + kMonthSize * month, kMonthText};
  for (const auto& f : kTailTexts) all[n++] = f;
  if (n != all.size()) throw "fixed-asset text table miscounted";
  return all;
}();
}  // namespace fixed_asset

// Same-length converter of the record copy; every record is kept.
bool convert_fixed_asset_record(Run& run, RecordView record);

}  // namespace vx::conversion
