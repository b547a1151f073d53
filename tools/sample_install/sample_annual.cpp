// The annual settings files: "2017_ROK.REK" of every company and, where the
// office already opened the new year in the old installation,
// "2018_ROK.REK".
#include <array>

#include "charset/polish_table.hpp"
#include "conversion/annual_records.hpp"
#include "sample_company.hpp"

namespace vx::sample {

using namespace conversion::annual;

namespace {

// Month-table words of an approved month and of an open one.
constexpr std::uint16_t kMonthApproved = 2, kMonthOpen = 1;
constexpr std::uint8_t kMonthStateOpenDecember = 12;
constexpr std::size_t kMonthBlockSize = 21;

// The numbering of the company's documents: prefix, last number, suffix.
struct Numbering {
  const char* prefix;
  const char* what;
};
constexpr std::array<Numbering, numbering::kEntryCount> kNumberings = {{
    {"FV/", "faktury"}, {"FK/", "korekty"}, {"RA/", "rachunki"}, {"DW/", "dowody wewn."},
    {"KP/", "kasa przyjmie"}, {"KW/", "kasa wyda"}, {"NK/", "noty"}, {"WB/", "wyciągi"},
    {"PZ/", "przyjęcia"}, {"WZ/", "wydania"},
}};

struct Year {
  int year;
  int approved_months;  // months whose books are closed
  std::uint8_t month_state;
};

void fill_copied(RecordView r, std::span<const ByteRange> ranges, Dice& dice) {
  for (const auto& range : ranges) {
    switch (range.length) {
      case 1: r.set_u8(range.offset, static_cast<std::uint8_t>(dice.between(0, 3))); break;
      case 2: r.set_u16(range.offset, static_cast<std::uint16_t>(dice.between(1, 400))); break;
      case 4: r.set_u32(range.offset, static_cast<std::uint32_t>(dice.between(1, 100000))); break;
      default: r.set_f64(range.offset, dice.amount(0, 5000)); break;
    }
  }
}

Bytes annual_file(Company& c, const Year& y, std::span<const double> balances,
                  std::span<const double> month_amounts, int next_number) {
  // Older files carry no code-page marker; CP852 ones carry ü of CP852.
  const std::uint8_t marker =
      c.enc.mazovia() ? 0 : charset::kPolishLetters[charset::kCp852][charset::kCodePageMarkerPosition];
  RecordSet out(kRecordSize, kRecordCount);
  std::array<RecordView, kRecordCount> rec = {out.add(), out.add(), out.add()};
  for (auto& r : rec) r.fill(kMarker, kMarkerLength, marker);

  RecordView r1 = rec[0];
  r1.set_u8(settings::kOpenFlag, 1);
  r1.set_u8(settings::kMonthState, y.month_state);
  r1.set_u8(settings::kLayoutMark, settings::kLayoutMarkValue);
  r1.set_u8(settings::kLayoutMark2, settings::kLayoutMarkValue);
  fill_copied(r1, settings::kCopied, c.dice);
  for (std::size_t m = 0; m < settings::kMonths; ++m) {
    const std::uint16_t state = static_cast<int>(m) < y.approved_months ? kMonthApproved : kMonthOpen;
    r1.set_u16(settings::kMonthTable + settings::kMonthEntry * m, state);
    r1.set_u16(settings::kMonthTable + settings::kMonthEntry * m + 2, state);
  }
  r1.set_u16(settings::kMovedWordSource, static_cast<std::uint16_t>(c.dice.between(1, 9)));
  r1.set_u16(settings::kMovedWord, static_cast<std::uint16_t>(c.dice.between(1, 9)));
  for (std::size_t i = 0; i < balances.size(); ++i) r1.set_f64(settings::kBalances + 8 * i, balances[i]);
  for (std::size_t m = 1; m <= month_amounts.size(); ++m)
    r1.set_f64(settings::kMonthAmounts + 8 * m, month_amounts[m - 1]);
  r1.set_u16(settings::kYearWord, 1);

  RecordView r2 = rec[1];
  const std::string suffix = "/" + std::to_string(y.year);
  for (std::size_t k = 0; k < numbering::kEntryCount; ++k) {
    const std::size_t at = numbering::kEntries + numbering::kEntrySize * k;
    r2.set_text(at + numbering::kPrefix.offset, numbering::kPrefix.length - 1, kNumberings[k].prefix);
    r2.set_u16(at + numbering::kCounter, static_cast<std::uint16_t>(k == 0 ? next_number : c.dice.between(1, 300)));
    r2.set_text(at + numbering::kSuffix.offset, numbering::kSuffix.length - 1, suffix);
  }
  fill_copied(r2, numbering::kCopied, c.dice);

  RecordView r3 = rec[2];
  r3.set_f64(monthly::kCopied[0].offset, 19.0);  // corporate tax rate
  r3.set_f64(monthly::kCopied[1].offset, 18.0);  // lowest rate of the tax scale
  fill_copied(r3, std::span(monthly::kCopied).subspan(2), c.dice);
  for (int m = 0; m < y.approved_months; ++m)
    for (std::size_t b = 0; b < kMonthBlockSize; ++b)
      r3.set_u8(monthly::kMonthBlocks.offset + kMonthBlockSize * static_cast<std::size_t>(m) + b,
                static_cast<std::uint8_t>(c.dice.below(10)));
  return out.bytes();
}

}  // namespace

void write_annual_settings(Company& c, const OutDir& out) {
  // Running balances of 2017: the opening one, then after every month.
  std::array<double, settings::kBalanceCount> balances{};
  std::array<double, settings::kMonths> amounts{};
  double balance = c.dice.amount(-5000, 60000);
  for (std::size_t i = 0; i < balances.size(); ++i) {
    balances[i] = balance;
    if (i < amounts.size()) amounts[i] = c.dice.amount(1000, 40000);
    balance = grosze(balance + c.dice.amount(-8000, 15000));
  }
  const Year y2017{2017, c.december_approved ? 12 : 11,
                   c.december_approved ? settings::kDecemberApproved : kMonthStateOpenDecember};
  out.file("2017_ROK.REK", annual_file(c, y2017, balances, amounts, c.dice.between(100, 900)));
  if (!c.entered_2018) return;

  // The new year opened in the old installation: it starts from the
  // closing balance of 2017, January closed when February is booked.
  const int closed = static_cast<int>(c.document_months.size()) > 1 ? 1 : 0;
  std::array<double, settings::kBalanceCount> balances_2018{};
  std::array<double, settings::kMonths> amounts_2018{};
  balances_2018[settings::kOpeningBalance] = balances[settings::kClosingBalance];
  for (int m = 1; m <= closed; ++m) {
    balances_2018[static_cast<std::size_t>(m)] = grosze(balances_2018[0] + c.dice.amount(-3000, 9000));
    amounts_2018[static_cast<std::size_t>(m - 1)] = c.dice.amount(1000, 40000);
  }
  const Year y2018{2018, closed, static_cast<std::uint8_t>(1 + closed)};
  out.file("2018_ROK.REK", annual_file(c, y2018, balances_2018, amounts_2018,
                                       1 + c.documents_per_month * static_cast<int>(c.document_months.size())));
}

}  // namespace vx::sample
