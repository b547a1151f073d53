// Documents booked ahead: the unsettled documents of 2017, the documents and
// repayments of the 2018 months entered in the old installation, and the
// correction notes of 2018.
#include "conversion/document_layout.hpp"
#include "conversion/rebuilt_layouts.hpp"
#include "sample_company.hpp"
#include "sample_identifiers.hpp"
#include "sample_records.hpp"

namespace vx::sample {

using namespace conversion::layout;

namespace {

// Document fields by their place in kDocumentTexts, and the sample's own
// numbers among those carried unchanged.
namespace document {
constexpr std::size_t kKindText = 0, kNumber = 1, kParty = 2, kPartyAddress = 3, kDescription = 4,
                      kPayment = 5, kPartyNip = 6;
constexpr std::size_t kId = 4;            // dword, the book's entry number
constexpr std::size_t kType = 8;          // word: 1 purchase, 2 sale
constexpr std::size_t kPartyId = 10;      // dword, record of the address base
constexpr std::size_t kDue = 22;          // packed date
constexpr std::size_t kVatRegister = 214; // byte
constexpr std::uint16_t kBooked = 0x0001; // status bit of a booked document
constexpr std::uint8_t kVersion2017 = 1;
constexpr std::size_t kOldCodes = 352;    // rate codes of the old program, four words
constexpr std::size_t kColumns[] = {368, 377};  // book column byte and amount
constexpr std::uint8_t kColumnSales = 7, kColumnGoods = 10, kColumnOther = 13;
constexpr std::uint16_t kPurchase = 1, kSale = 2;
}  // namespace document

namespace repayment {
constexpr std::size_t kDocumentId = 0;  // dword
constexpr std::size_t kKind = 4;        // 1 cash, 2 bank
constexpr std::size_t kAmount = 30;     // double
constexpr std::size_t kPartyId = 38;    // dword
}  // namespace repayment

namespace note {
constexpr std::size_t kNumber = 0, kDate = 21, kDocument = 69;  // dwords
constexpr std::size_t kNumberText = 0, kTitle = 1, kPlace = 2;  // in kCorrectionNoteTexts
constexpr std::size_t kPartyBlocks[] = {73, 225};
constexpr std::size_t kPartyTexts = 3;  // four texts per party block
constexpr TextField kPartyNip{0, 18}, kPartyPostcode{93, 6};
constexpr std::size_t kWrongLines = 11, kRightLines = 17;  // six lines each
}  // namespace note

// Rates of the four net/tax pairs, in percent: the 2018 ones and, for some
// documents of 2017, the old ones.
constexpr double kRates[4] = {23.0, 8.0, 5.0, 7.0};
constexpr double kOldRates[4] = {22.0, 7.0, 3.0, 6.0};
constexpr int kPairChance[4] = {100, 30, 15, 3};

struct DocumentFile {
  int month;  // 0: the unsettled documents of 2017
  int year;
  int count;
};

void put_amounts(RecordView r, Company& c, bool old_rates) {
  double net_total = 0;
  for (std::size_t p = 0; p < 4; ++p) {
    if (!c.dice.percent(kPairChance[p])) continue;
    const double rate = old_rates ? kOldRates[p] : kRates[p];
    const double net = c.dice.amount(20, p == 0 ? 8000 : 2000);
    r.set_f64(kVatPairs[p].net, net);
    r.set_f64(kVatPairs[p].tax, grosze(net * rate / 100.0));
    r.set_u16(document::kOldCodes + 2 * p, static_cast<std::uint16_t>(rate * 100));
    net_total += net;
  }
  // A third pair booked in 2018 under another rate.
  if (r.f64(kVatPairs[kFoldedPair].net) != 0.0) {
    if (c.dice.percent(10)) r.set_u8(kFoldRate, 23);
    else if (c.dice.percent(5)) r.set_u8(kFoldRate, 8);
  }
  const std::uint16_t type = r.u16(document::kType);
  r.set_u8(document::kColumns[0], type == document::kSale ? document::kColumnSales : document::kColumnGoods);
  r.set_f64(document::kColumns[0] + 1, net_total);
  if (c.dice.percent(20)) {
    r.set_u8(document::kColumns[1], document::kColumnOther);
    r.set_f64(document::kColumns[1] + 1, grosze(net_total * 0.1));
  }
}

double gross_of(RecordView r) {
  double sum = 0;
  for (const auto& p : kVatPairs) sum += r.f64(p.net) + r.f64(p.tax);
  return sum;
}

Bytes document_file(Company& c, const DocumentFile& f, std::uint32_t& entry) {
  RecordSet out(kDocumentSize, static_cast<std::size_t>(f.count));
  for (int i = 0; i < f.count; ++i) {
    RecordView r = out.add();
    const bool sale = c.dice.percent(50);
    const Contractor& party = c.dice.pick(std::span<const Contractor>(c.contractors));
    const int month = f.month == 0 ? c.dice.between(10, 12) : f.month;
    const PackedDate issued = day(1 + (i * 27 / std::max(f.count, 1)) % 28, month, f.year);
    r.set_u32(kDocumentNumber, static_cast<std::uint32_t>(i + 1));
    r.set_u32(document::kId, entry++);
    r.set_u16(document::kType, sale ? document::kSale : document::kPurchase);
    r.set_u32(document::kPartyId, party.id);
    r.set_date(kDocumentDate, issued);
    r.set_date(kDocumentBooked, day(std::min(issued.day + c.dice.between(0, 3), 28), month, f.year));
    r.set_date(document::kDue, day(std::min(issued.day + 14, 28), month, f.year));
    // Some documents were struck off after booking.
    const bool struck_off = i % 17 == 5;
    r.set_u16(kDocumentStatus, static_cast<std::uint16_t>(document::kBooked | (struck_off ? kStruckOff : 0)));
    put_text(r, kDocumentTexts[document::kKindText], sale ? "Faktura VAT" : (c.dice.percent(10) ? "Faktura korygująca" : "Faktura VAT zakup"), c.enc);
    const std::string mm = (month < 10 ? "0" : "") + std::to_string(month);
    const std::string number = sale ? "FV/" + std::to_string(i + 1) + "/" + mm + "/" + std::to_string(f.year)
                                    : std::to_string(c.dice.between(1, 999)) + "/" + mm + "/" + std::to_string(f.year);
    r.set_text(kDocumentTexts[document::kNumber].offset, kDocumentTexts[document::kNumber].capacity, number);
    put_text(r, kDocumentTexts[document::kParty], party.name, c.enc);
    put_text(r, kDocumentTexts[document::kPartyAddress],
             party.address.street + " " + party.address.house + ", " + party.address.city, c.enc);
    put_text(r, kDocumentTexts[document::kDescription], c.dice.pick(sale ? words::kSales : words::kPurchases), c.enc);
    put_text(r, kDocumentTexts[document::kPayment], c.dice.pick(words::kPaymentForms), c.enc);
    r.set_text(kDocumentTexts[document::kPartyNip].offset, kDocumentTexts[document::kPartyNip].capacity, party.nip);
    r.set_u8(document::kVatRegister, sale ? 2 : 1);
    put_amounts(r, c, f.month == 0 && c.dice.percent(20));
    // Paid in full, in part (unsettled ones) or not yet.
    const double gross = gross_of(r);
    if (f.month == 0) r.set_f64(kDocumentSettled, c.dice.percent(30) ? grosze(gross * 0.5) : 0.0);
    else if (c.dice.percent(60)) r.set_f64(kDocumentSettled, gross);
    r.set_u8(kDocumentVersion, document::kVersion2017);
  }
  return out.bytes();
}

Bytes repayment_file(Company& c, int month, int count) {
  RecordSet out(kRepaymentSize, static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const Contractor& party = c.dice.pick(std::span<const Contractor>(c.contractors));
    RecordView r = out.add();
    r.set_u32(repayment::kDocumentId, static_cast<std::uint32_t>(c.dice.between(1, 400)));
    r.set_u8(repayment::kKind, static_cast<std::uint8_t>(c.dice.between(1, 2)));
    r.set_date(kRepaymentDate, day(c.dice.between(1, 28), month, 2018));
    r.set_text(kRepaymentDocument.offset, kRepaymentDocument.capacity,
               c.enc("FV/" + std::to_string(c.dice.between(1, 300)) + "/spł"));
    r.set_f64(repayment::kAmount, c.dice.amount(50, 5000));
    r.set_u32(repayment::kPartyId, party.id);
  }
  return out.bytes();
}

Bytes correction_notes(Company& c) {
  RecordSet out(kCorrectionNoteSize);
  const int count = c.dice.between(1, 3);
  for (int i = 0; i < count; ++i) {
    RecordView r = out.add();
    r.set_u32(note::kNumber, static_cast<std::uint32_t>(i + 1));
    r.set_date(note::kDate, day(c.dice.between(2, 28), 1, 2018));
    r.set_u32(note::kDocument, static_cast<std::uint32_t>(c.dice.between(1, 200)));
    put_text(r, kCorrectionNoteTexts[note::kNumberText], "NK/" + std::to_string(i + 1) + "/2018", c.enc);
    put_text(r, kCorrectionNoteTexts[note::kTitle], "Nota korygująca", c.enc);
    put_text(r, kCorrectionNoteTexts[note::kPlace], c.seat.city, c.enc);
    const Contractor& party = c.dice.pick(std::span<const Contractor>(c.contractors));
    for (std::size_t b = 0; b < 2; ++b) {
      const std::size_t at = note::kPartyBlocks[b];
      const std::string name = b == 0 ? c.name : party.name;
      const Address& a = b == 0 ? c.seat : party.address;
      const std::size_t t = note::kPartyTexts + 4 * b;
      put_text(r, kCorrectionNoteTexts[t], name, c.enc);
      put_text(r, kCorrectionNoteTexts[t + 2], a.city, c.enc);
      put_text(r, kCorrectionNoteTexts[t + 3], a.street + " " + a.house, c.enc);
      r.set_text(at + note::kPartyNip.offset, note::kPartyNip.capacity, dashed_nip(b == 0 ? c.nip : party.nip));
      r.set_text(at + note::kPartyPostcode.offset, note::kPartyPostcode.capacity, a.postcode);
    }
    put_text(r, kCorrectionNoteTexts[note::kWrongLines], "Nabywca: " + party.name, c.enc);
    put_text(r, kCorrectionNoteTexts[note::kRightLines], "Nabywca: " + party.name + " Oddział Łódź", c.enc);
    put_text(r, kCorrectionNoteTexts[note::kRightLines + 1], "błędnie podana nazwa nabywcy", c.enc);
  }
  return out.bytes();
}

}  // namespace

void write_documents(Company& c, const OutDir& out) {
  std::uint32_t entry = 1;
  if (c.has_unsettled) {
    const int unsettled = std::max(1, c.documents_per_month / 4);
    out.file("0000K880.00", document_file(c, {0, 2017, unsettled}, entry));
  }
  for (int month : c.document_months) {
    const std::string m = std::to_string(month);
    out.file("2018K880." + m, document_file(c, {month, 2018, c.documents_per_month}, entry));
    if (c.dice.percent(50)) out.file("2018SP." + m, repayment_file(c, month, std::max(1, c.documents_per_month / 5)));
  }
  if (c.entered_2018) out.file("2018_NK8.REK", correction_notes(c));
}

}  // namespace vx::sample
