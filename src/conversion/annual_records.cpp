#include "conversion/annual_records.hpp"

namespace vx::conversion::annual {

namespace {

void start_record(RecordView target, std::uint8_t marker) {
  target.clear();
  target.fill(kMarker, kMarkerLength, marker);
}

void copy_ranges(ConstRecordView source, RecordView target, std::span<const ByteRange> ranges) {
  for (const auto& r : ranges) target.copy_from(source, r.offset, r.length);
}

}  // namespace

void carry_closing_balances(ConstRecordView source_2017, RecordView target) {
  using namespace settings;
  target.set_f64(kCarriedBalances[0].offset, source_2017.f64(kBalances + 8 * kClosingBalance));
  target.set_f64(kCarriedBalances[1].offset, source_2017.f64(kMonthAmounts + 8 * kMonths));
}

void build_settings_record(ConstRecordView source, RecordView target, bool from_2018,
                           std::uint8_t marker) {
  using namespace settings;
  start_record(target, marker);
  copy_ranges(source, target, kCopied);
  target.set_u8(kLayoutMark, kLayoutMarkValue);
  target.set_u8(kLayoutMark2, kLayoutMarkValue);
  target.set_u16(kMovedWord, source.u16(kMovedWordSource));

  if (from_2018) {
    target.copy_from(source, kOpenFlag, 1);
    target.copy_from(source, kMonthState, 1);
    target.copy_from(source, kYearWord, 2);
    for (std::size_t m = 0; m < kMonths; ++m)
      target.copy_from(source, kMonthTable + kMonthEntry * m, 4);
    target.copy_from(source, kBalances, 8 * kBalanceCount);
    target.copy_from(source, kMonthAmounts + 8, 8 * kMonths);
    return;
  }

  // A new year: every month open, and December's closing balance becomes
  // the opening balance of January.
  target.set_u8(kOpenFlag, 1);
  target.set_u8(kMonthState, 1);
  target.set_u16(kYearWord, 1);
  for (std::size_t m = 0; m < kMonths; ++m) {
    target.set_u16(kMonthTable + kMonthEntry * m, 1);
    target.set_u16(kMonthTable + kMonthEntry * m + 2, 1);
  }
  carry_closing_balances(source, target);
}

void build_numbering_record(ConstRecordView source, RecordView target, bool from_2018,
                            std::uint8_t marker) {
  using namespace numbering;
  start_record(target, marker);
  for (std::size_t k = 0; k < kEntryCount; ++k) {
    const std::size_t entry = kEntries + kEntrySize * k;
    target.copy_from(source, entry + kPrefix.offset, kPrefix.length);
    target.copy_from(source, entry + kSuffix.offset, kSuffix.length);
    if (from_2018)
      target.copy_from(source, entry + kCounter, 2);
    else
      target.set_u16(entry + kCounter, 1);
  }
  copy_ranges(source, target, kCopied);
}

void build_monthly_record(ConstRecordView source, RecordView target, bool from_2018,
                          std::uint8_t marker) {
  using namespace monthly;
  start_record(target, marker);
  copy_ranges(source, target, kCopied);
  if (from_2018) target.copy_from(source, kMonthBlocks.offset, kMonthBlocks.length);
}

}  // namespace vx::conversion::annual
