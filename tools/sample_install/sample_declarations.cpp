// Declarations and sums of 2018 prepared in the old installation: VAT-7 in
// its old layout, DRA declarations with their attachments, advance payments
// and the column sums of the tax book.
#include "conversion/dra_declarations.hpp"
#include "conversion/in_place_layouts.hpp"
#include "conversion/vat7_declaration.hpp"
#include "sample_company.hpp"
#include "sample_records.hpp"

namespace vx::sample {

namespace {

namespace vat7_entry {
constexpr std::uint16_t kNormal = 0, kLeftOut = 1, kCorrection = 2;
constexpr std::size_t kSales = 64, kOutputTax = 72, kInputTax = 80;  // doubles
}  // namespace vat7_entry

namespace dra_main {
constexpr TextField kNip{4, 10}, kRegon{16, 14};
constexpr std::size_t kMonth = 32, kYear = 33, kNumber = 35, kInsured = 36;
constexpr std::size_t kTotals = 200;  // four doubles
}  // namespace dra_main

namespace dra_attachment {
constexpr TextField kPesel{60, 11}, kTitleCode{72, 6};
constexpr std::size_t kAmounts = 80;  // five doubles: base, pension, disability, sickness, health
}  // namespace dra_attachment

namespace advance {
constexpr std::size_t kYear = 0, kKind = 2;
constexpr std::size_t kAmounts = 866;  // twelve doubles
}  // namespace advance

constexpr const char* kMonths[] = {"styczeń", "luty", "marzec", "kwiecień", "maj", "czerwiec",
                                   "lipiec", "sierpień", "wrzesień", "październik", "listopad", "grudzień"};

constexpr std::size_t kColumnSumMonths = 13, kColumnSumColumns = 16;

Bytes vat7_declarations(Company& c) {
  namespace v = conversion::vat7;
  Bytes file(v::kOldSize, 0);
  RecordView all(file);
  all.set_u8(v::kFirstMonthAt, static_cast<std::uint8_t>(c.index % 3 == 0 ? 0 : 1));
  for (int month : c.document_months) {
    if (month > 3) continue;  // declared only for the months behind
    const std::size_t at = v::kEntrySize * static_cast<std::size_t>(month - 1);
    const std::uint16_t kind = month == 1 ? vat7_entry::kNormal
                               : month == 2 ? (c.index % 2 ? vat7_entry::kCorrection : vat7_entry::kNormal)
                                            : vat7_entry::kLeftOut;
    all.set_u16(at + v::kKindAt, kind);
    all.set_u8(at + v::kDeclaredAt, 1);
    all.set_u8(at + v::kMarkedAt, static_cast<std::uint8_t>(c.dice.below(2)));
    const double sales = c.dice.amount(5000, 90000);
    const double output = grosze(sales * 0.23), input = grosze(output * c.dice.amount(0.3, 0.9));
    all.set_f64(at + vat7_entry::kSales, sales);
    all.set_f64(at + vat7_entry::kOutputTax, output);
    all.set_f64(at + vat7_entry::kInputTax, input);
    all.set_u32(at + v::kValueAt, static_cast<std::uint32_t>(output - input));
  }
  return file;
}

// One declaration: the main block and an attachment per insured person.
Bytes dra_declaration(Company& c, int month, const std::vector<const Person*>& insured) {
  namespace d = conversion::dra;
  Bytes file(d::kMainSize + d::kAttachmentSize * insured.size(), 0);
  RecordView main(std::span<std::uint8_t>(file.data(), d::kMainSize));
  put_text(main, d::kMainTexts[0], c.name, c.enc);
  if (!c.staff.empty()) {
    put_text(main, d::kMainTexts[1], c.staff.front().surname, c.enc);
    put_text(main, d::kMainTexts[2], c.staff.front().first_name, c.enc);
  }
  main.set_text(dra_main::kNip.offset, dra_main::kNip.capacity, c.nip);
  main.set_text(dra_main::kRegon.offset, dra_main::kRegon.capacity, c.regon);
  main.set_u8(dra_main::kMonth, static_cast<std::uint8_t>(month));
  main.set_u16(dra_main::kYear, 2018);
  main.set_u8(dra_main::kNumber, 1);
  main.set_u16(dra_main::kInsured, static_cast<std::uint16_t>(insured.size()));
  double totals[4] = {};
  for (std::size_t i = 0; i < insured.size(); ++i) {
    const Person& p = *insured[i];
    RecordView a(std::span<std::uint8_t>(file.data() + d::kMainSize + d::kAttachmentSize * i, d::kAttachmentSize));
    put_text(a, d::kAttachmentTexts[0], p.surname, c.enc);
    put_text(a, d::kAttachmentTexts[1], p.first_name, c.enc);
    a.set_text(dra_attachment::kPesel.offset, dra_attachment::kPesel.capacity, p.pesel);
    a.set_text(dra_attachment::kTitleCode.offset, dra_attachment::kTitleCode.capacity, p.owner ? "057000" : "011000");
    const double base = p.owner ? 2557.80 : p.salary;
    const double shares[5] = {base, grosze(base * 0.1952), grosze(base * 0.08), grosze(base * 0.0245),
                              grosze(base * 0.09)};
    for (std::size_t k = 0; k < 5; ++k) a.set_f64(dra_attachment::kAmounts + 8 * k, shares[k]);
    totals[0] += shares[1];
    totals[1] += shares[2];
    totals[2] += shares[3];
    totals[3] += shares[4];
  }
  for (std::size_t k = 0; k < 4; ++k) main.set_f64(dra_main::kTotals + 8 * k, grosze(totals[k]));
  return file;
}

Bytes advance_payments(Company& c) {
  using conversion::layout::kAdvancePaymentSize;
  using conversion::layout::kAdvancePaymentTexts;
  RecordSet out(kAdvancePaymentSize);
  RecordView r = out.add();
  r.set_u16(advance::kYear, 2018);
  r.set_u8(advance::kKind, static_cast<std::uint8_t>(1 + c.index % 2));
  for (std::size_t m = 1; m <= 12; ++m) {
    const std::string month = kMonths[m - 1];
    if (static_cast<int>(m) <= static_cast<int>(c.document_months.size())) {
      put_text(r, kAdvancePaymentTexts[m - 1], "Zaliczka za " + month + " 2018 - zapłacona w terminie", c.enc);
      r.set_f64(advance::kAmounts + 8 * (m - 1), c.dice.amount(100, 6000));
    } else {
      put_text(r, kAdvancePaymentTexts[m - 1], "Zaliczka za " + month + " 2018", c.enc);
    }
  }
  return out.bytes();
}

Bytes column_sums(Company& c) {
  Bytes file(kColumnSumMonths * kColumnSumColumns * 8, 0);
  RecordView r(file);
  for (std::size_t m = 0; m < kColumnSumMonths; ++m)
    for (std::size_t k = 0; k < kColumnSumColumns; ++k)
      if (m < c.document_months.size() || m == kColumnSumMonths - 1)
        r.set_f64((m * kColumnSumColumns + k) * 8, c.dice.amount(0, 30000));
  return file;
}

}  // namespace

void write_declarations(Company& c, const OutDir& out) {
  if (!c.entered_2018) return;
  out.file("2018v7.17", vat7_declarations(c));
  out.file("2018kol2.rek", column_sums(c));
  out.file("2018ZAL.REK", advance_payments(c));
  std::vector<const Person*> insured;
  for (const Person& p : c.staff)
    if (!p.deleted() && p.employed_at_year_end()) insured.push_back(&p);
  for (int month : c.document_months) {
    if (month > 2) break;
    out.file("2018D4" + std::string(month < 10 ? "0" : "") + std::to_string(month) + ".001",
             dra_declaration(c, month, insured));
  }
}

}  // namespace vx::sample
