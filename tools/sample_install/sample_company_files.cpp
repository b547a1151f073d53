// The company's own files: stamp, company record and text file, INI
// settings, address and automat bases, notepads, transfer orders, internal
// vouchers, interest notes, vehicles and one-off write-offs.
#include "conversion/in_place_layouts.hpp"
#include "conversion/rebuilt_layouts.hpp"
#include "sample_company.hpp"
#include "sample_identifiers.hpp"
#include "sample_ini.hpp"
#include "sample_records.hpp"
#include "transfer/company_record.hpp"

namespace vx::sample {

using namespace conversion::layout;

namespace {

// _vx_wex.rek: the installation's stamp on the company directory.
namespace stamp {
constexpr std::size_t kSize = 256;
constexpr std::size_t kYears[] = {0, 2, 4};  // 16-bit each
constexpr std::size_t kDataVersion = 6;
constexpr std::size_t kCarried = 7;  // 1 once carried into a new year
constexpr TextField kProgram{8, 30};
constexpr std::size_t kLastUsed = 40;  // packed date
}  // namespace stamp

// Address record fields by their place in kAddressTexts, and the codes
// carried unconverted.
namespace address {
constexpr std::size_t kId = 0;
constexpr std::size_t kName = 0, kNameMore = 1, kStreet = 2, kCity = 3, kPostOffice = 4,
                      kVoivodeship = 5, kCounty = 6, kContact = 7, kBankName = 8, kRemark = 9;
constexpr TextField kNip{116, 18}, kPhone{135, 14}, kRegon{150, 11}, kPostcode{162, 6};
constexpr TextField kAccount{312, 38};  // the 39-byte block
constexpr std::size_t kRole = 462;      // 1 supplier, 2 customer, 3 both
}  // namespace address

namespace automat {
constexpr std::size_t kNumber = 0;  // 16-bit
constexpr TextField kCode{3, 15};
constexpr std::size_t kRate = 151;  // double, VAT percent
}  // namespace automat

namespace transfer_order {
constexpr std::uint8_t kOrdinary = 0, kInsurance = 1, kTax = 2;
constexpr TextField kPayerAccount{111, 38}, kPayeeAccount{260, 38};
constexpr TextField kPayerNip{299, 10};  // insurance and tax orders
constexpr TextField kFormSymbol{311, 6};
constexpr TextField kPeriod{318, 8};
constexpr std::size_t kAmount = 409, kDate = 417, kCopies = 421;
}  // namespace transfer_order

namespace write_off {
constexpr std::size_t kBought = 4, kWrittenOff = 8;  // packed dates
constexpr std::size_t kValue = 456;                  // double
}  // namespace write_off

namespace voucher {
constexpr std::size_t kKind = 0, kDate = 1, kCopies = 65;
constexpr std::size_t kNet = 37, kTax = 45, kGross = 53;  // within an entry
}  // namespace voucher

namespace interest {
constexpr std::size_t kNumber = 0, kIssued = 4, kDue = 8;
constexpr std::size_t kPrincipal = 96, kDays = 104, kInterest = 168;
}  // namespace interest

namespace vehicle {
constexpr std::size_t kBought = 57, kValue = 61;                     // AUTAVAT.REK
constexpr std::size_t kLogKilometres = 17, kLogAmount = 25;          // behind each log line
constexpr std::size_t kVat26From = 79, kVat26Engine = 83;            // AUTOV26.REK
}  // namespace vehicle

Bytes stamp_file(Company& c) {
  RecordSet s(stamp::kSize);
  RecordView r = s.add();
  for (auto at : stamp::kYears) r.set_u16(at, 2017);
  r.set_u8(stamp::kDataVersion, 5);
  r.set_u8(stamp::kCarried, 0);
  r.set_text(stamp::kProgram.offset, stamp::kProgram.capacity, "WEX_VX 9.70 (2017)");
  r.set_date(stamp::kLastUsed, day(c.dice.between(2, 28), 12, 2017));
  return s.bytes();
}

Bytes company_record(Company& c) {
  RecordSet s(transfer::kCompanyRecordSize);
  put_address(s.add(), 0, c.seat, c.enc);
  return s.bytes();
}

// The company's own bank, and a second one for its tax payments.
const words::Bank& second_bank(const Company& c) {
  return words::kBanks[(static_cast<std::size_t>(c.index) + 3) % words::kBanks.size()];
}

std::string company_text(Company& c) {
  const Person* owner = c.staff.empty() ? nullptr : &c.staff.front();
  const std::string office = c.tax_office_name();
  IniText ini(c.enc);
  ini.section("WEX").text("NAZWA_ZUS", c.name);
  ini.text("INFO1", c.name).text("INFO2", c.seat.street + " " + c.seat.house)
      .text("INFO3", c.seat.postcode + " " + c.seat.city).text("INFO4", "NIP " + dashed_nip(c.nip))
      .text("INFO5", c.activity);
  ini.section("URZEDY_SKARBOWE");
  for (const char* key : {"VAT-7", "PIT-4R", "PIT-8AR", "PIT-XX"}) ini.text(key, office);
  ini.section("URZEDY_SKARBOWE_EKOD");
  for (const char* key : {"VAT-7", "PIT-4R", "PIT-8AR", "PIT-XX"}) ini.text(key, c.tax_office_code());
  ini.section("WEX").text("PATHXML", c.path_of_year(2017) + "\\XML").text("PRZEXML", "C:\\e-Deklaracje\\" + c.dir);
  ini.section("FIRMA").number("TYP", 1 + c.index % 3).text("NIP", c.nip).text("REGON", c.regon);
  ini.section("PATH");
  for (int y = 2016; y >= 2013; --y) ini.text("WEX" + std::to_string(y), c.path_of_year(y));
  ini.section("BANKI").number("DEF", 1);
  if (c.index % 3 != 0) ini.number("DEF_ZUS", c.index % 3 == 1 ? 31 : 2);  // missing means the DEF bank
  ini.text("NAZWA1", c.bank->name).text("NRB1", grouped_account(c.account));
  ini.text("NAZWA2", second_bank(c).name).text("NRB2", grouped_account(make_account(c.dice, second_bank(c).code)));
  ini.text("IRKwZUS", "83 1010 1023 0000 2613 9520 0000").date("DATA_ZBA", day(15, 1, 2018));
  ini.section("OSOBA_FIZYCZNA");
  if (owner) {
    ini.text("PESEL", owner->pesel).text("NIP", owner->nip).text("NAZWISKO", owner->surname)
        .text("IMIE1", owner->first_name).text("IMIE2", owner->second_name).text("TATA", owner->father)
        .text("MAMA", owner->mother).date("DATA_URODZENIA", owner->born)
        .text("MIEJSCE_URODZENIA", c.place->city).text("OBYWATELSTWO", "polskie")
        .text("INNY_RODZAJ", "1").text("INNY_NUMER", "AXB " + c.dice.digits(6));
  }
  ini.section("OSOBA_PRAWNA").text("NAZWA_PELNA", c.name).text("NAZWA_SKROCONA", c.dir)
      .date("DATA_ROZPOCZECIA", day(1, c.dice.between(1, 12), c.dice.between(1995, 2015)));
  ini.section("ORGAN_REJESTROWY").text("ORGAN", "Prezydent Miasta " + std::string(c.place->city))
      .text("REJESTR", "Centralna Ewidencja i Informacja o Działalności Gospodarczej")
      .date("DATA", day(c.dice.between(1, 28), c.dice.between(1, 12), 2011))
      .text("NUMER", c.dice.digits(6)).text("KOD", "CEIDG").text("ORZAL", "");
  ini.section("ADRES_SIEDZIBY").address(c.seat).text("KODGMINY", c.dice.digits(7)).yes_no("IAP", c.index % 2 == 0);
  ini.section("ADRES_KOREPONDENCJA").address(c.seat)
      .text("EMAIL", "biuro@" + std::string(c.dir.size() ? c.dir : "firma") + ".com.pl").text("FAKS", c.phone);
  ini.section("ADRES_ZAMIESZKANIA").address(owner ? owner->home : c.seat);
  ini.section("ADRES_DOKUMENTACJI").address(c.seat);
  ini.section("DZIALALNOSC").text("OPIS", c.activity).text("KGN", "").text("EKD", c.dice.digits(2) + "." + c.dice.digits(2) + "Z");
  ini.section("UPOWAZNIONY").text("NAZWISKO", "Łęcka").text("IMIE", "Żaneta").text("TELEFON", c.phone);
  ini.section("BR").text("NAZWA", "Biuro Rachunkowe Ćma").text("NIP", "5260250995").text("REGON", "012345675")
      .text("UMOWA", "umowa nr " + std::to_string(c.index + 1) + "/2015 z dnia 2.01.2015");
  ini.section("ZUS_ZxA").date("DATAPOSK", day(10, 1, 2017)).date("WYPELNIONO", day(9, 1, 2017))
      .text("ZWPA_KOD", "").date("ZWPA_DATA", PackedDate{}).yes_no("ZPWA_KOR", false)
      .text("PPPATH", "C:\\Płatnik\\" + c.dir).text("DRAI01", "1").number("RENT", 0)
      .number("RxA", c.index % 2).number("zwFGSP", 0).number("DRAIX02_", 1);
  ini.section("ZIPA").number("I", 1).text("01", c.name).text("02", c.seat.city).text("03", "")
      .text("04", "T").text("05", c.seat.street).text("06", c.seat.house).text("07", c.seat.postcode)
      .text("08", c.seat.city).date("09", day(1, 2, 2016)).date("IV09", day(1, 2, 2016));
  ini.section("WEX").yes_no("FAS", c.index % 4 == 0);
  return ini.str();
}

std::string contracts_settings(Company& c) {
  IniText ini(c.enc);
  ini.section("UMOWY").number("TYP", 1).number("OSTATNI_NUMER", c.dice.between(1, 60))
      .text("MIEJSCE", c.seat.city).text("PODPIS", c.staff.empty() ? "" : c.staff.front().surname);
  ini.section("KOSZTY").number("ZWYKLE", 2000).number("AUTORSKIE", 5000).text("OPIS", "koszty uzyskania przychodu");
  return ini.str();
}

std::string insurance_agent_settings(Company& c) {
  IniText ini(c.enc);
  ini.section("ZUS_PEL").text("PLATNIK", c.name).text("NIP", c.nip).text("REGON", c.regon);
  ini.section("PELNOMOCNIK").text("NAZWISKO", "Łęcka").text("IMIE", "Żaneta").text("PESEL", "79051712345")
      .date("OD_DNIA", day(1, 3, 2015));
  return ini.str();
}

std::string transfer_settings(Company& c) {
  IniText ini(c.enc);
  ini.section("PRZELEWY").number("DRUK", 1 + c.index % 2).number("KOPIE", 2).text("MIEJSCE", c.seat.city)
      .yes_no("ELIXIR", c.index % 2 == 0).text("KATALOG", "C:\\Bank\\" + c.dir);
  return ini.str();
}

Bytes automats(Company& c, std::span<const char* const> descriptions, const char* account) {
  RecordSet s(kAutomatSize);
  for (std::size_t i = 0; i < 4; ++i) {
    RecordView r = s.add();
    r.set_u16(automat::kNumber, static_cast<std::uint16_t>(i + 1));
    r.set_text(automat::kCode.offset, automat::kCode.capacity, "AUT" + std::to_string(i + 1));
    put_text(r, kAutomatTexts[0], descriptions[(i + static_cast<std::size_t>(c.index)) % descriptions.size()], c.enc);
    put_text(r, kAutomatTexts[1], account, c.enc);
    put_text(r, kAutomatTexts[2], c.contractors[i % c.contractors.size()].name, c.enc);
    put_text(r, kAutomatTexts[3], i % 2 ? "stawka obniżona" : "stawka podstawowa", c.enc);
    r.set_f64(automat::kRate, i % 2 ? 8.0 : 23.0);
  }
  return s.bytes();
}

std::string lines(Company& c, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += c.enc(c.dice.pick(words::kNotes)) + "\r\n";
  return text;
}

}  // namespace

std::string function_key_texts(const Encoder& enc) {
  return enc(
      "F2=Zapłacono gotówką\r\nF3=Przelew 14 dni\r\nF4=Towar wydano z magazynu\r\n"
      "F5=Usługa wykonana zgodnie z umową\r\nF6=Faktura korygująca do faktury nr\r\n"
      "F7=Kompensata należności\r\nF8=Zwolnienie z VAT art. 43 ust. 1\r\n"
      "F9=Odwrotne obciążenie\r\nF10=Dziękujemy za zakupy!\r\n");
}

namespace {

Bytes transfer_orders(Company& c) {
  using namespace transfer_order;
  RecordSet s(kTransferOrderSize);
  const std::uint8_t kinds[] = {kOrdinary, kOrdinary, kInsurance, kTax, kOrdinary};
  for (std::uint8_t kind : kinds) {
    const Contractor& payee = c.dice.pick(std::span<const Contractor>(c.contractors));
    RecordView r = s.add();
    r.set_u8(kTransferOrderKind, kind);
    put_text(r, kTransferOrderTexts[0], c.name, c.enc);
    put_text(r, kTransferOrderTexts[1], c.seat.street + " " + c.seat.house + ", " + c.seat.city, c.enc);
    r.set_text(kPayerAccount.offset, kPayerAccount.capacity, grouped_account(c.account));
    const std::string payee_name = kind == kInsurance ? "Zakład Ubezpieczeń Społecznych"
                                   : kind == kTax     ? c.tax_office_name()
                                                      : payee.name;
    put_text(r, kTransferOrderTexts[2], payee_name, c.enc);
    put_text(r, kTransferOrderTexts[3], payee.address.street + " " + payee.address.house + ", " + payee.address.city, c.enc);
    r.set_text(kPayeeAccount.offset, kPayeeAccount.capacity, grouped_account(payee.account));
    if (kind == kOrdinary) {
      put_text(r, kTransferOrderKind0Texts[0], c.dice.pick(words::kTransferTitles), c.enc);
      put_text(r, kTransferOrderKind0Texts[1], "FV/" + std::to_string(c.dice.between(1, 400)) + "/12/2017", c.enc);
    } else {
      r.set_text(kPayerNip.offset, kPayerNip.capacity, c.nip);
      r.set_text(kFormSymbol.offset, kFormSymbol.capacity, kind == kTax ? "VAT-7" : "DRA");
      r.set_text(kPeriod.offset, kPeriod.capacity, "17M12");
      if (kind == kInsurance) put_text(r, kTransferOrderKind1Texts[0], "Deklaracja 01 12.2017", c.enc);
    }
    r.set_f64(kAmount, c.dice.amount(50, 9000));
    r.set_date(kDate, day(c.dice.between(1, 28), 12, 2017));
    r.set_u16(kCopies, 2);
  }
  return s.bytes();
}

Bytes write_offs(Company& c) {
  RecordSet s(kOneOffWriteOffSize);
  for (int i = 0; i < 2; ++i) {
    RecordView r = s.add();
    r.set_date(write_off::kBought, day(c.dice.between(1, 28), c.dice.between(1, 12), 2017));
    r.set_date(write_off::kWrittenOff, r.date(write_off::kBought));
    put_text(r, kOneOffWriteOffTexts[0], "ST/J/" + std::to_string(i + 1) + "/2017", c.enc);
    put_text(r, kOneOffWriteOffTexts[2], c.dice.pick(words::kEquipment), c.enc);
    put_text(r, kOneOffWriteOffTexts[3], "KŚT 8", c.enc);
    put_text(r, kOneOffWriteOffTexts[4], "Umorzenie jednorazowe - wartość do 3500 zł", c.enc);
    fill_remaining(r, kOneOffWriteOffTexts, c.dice, c.enc);
    r.set_f64(write_off::kValue, c.dice.amount(300, 3500));
  }
  return s.bytes();
}

Bytes internal_vouchers(Company& c) {
  RecordSet s(kInternalVoucherSize);
  for (int i = 0; i < 3; ++i) {
    RecordView r = s.add();
    r.set_u8(voucher::kKind, static_cast<std::uint8_t>(1 + i % 2));
    r.set_date(voucher::kDate, day(c.dice.between(1, 28), 12, 2017));
    r.set_u8(voucher::kCopies, 1);
    put_text(r, kInternalVoucherTexts[0], "DW/" + std::to_string(i + 1) + "/12/2017", c.enc);
    put_text(r, kInternalVoucherTexts[1], "Zakup od osoby fizycznej - skup", c.enc);
    put_text(r, kInternalVoucherTexts[2], c.staff.empty() ? "Łęcka Żaneta" : c.staff.front().surname, c.enc);
    put_text(r, kInternalVoucherTexts[3], "Żaneta Łęcka", c.enc);
    const int entries = c.dice.between(1, 10);
    for (int e = 0; e < entries; ++e) {
      const std::size_t at = kVoucherEntries + kVoucherEntrySize * static_cast<std::size_t>(e);
      put_text(r, kInternalVoucherTexts[4 + static_cast<std::size_t>(e)], c.dice.pick(words::kPurchases), c.enc);
      const double net = c.dice.amount(10, 900);
      r.set_f64(at + voucher::kNet, net);
      r.set_f64(at + voucher::kTax, 0.0);
      r.set_f64(at + voucher::kGross, net);
    }
  }
  return s.bytes();
}

Bytes interest_notes(Company& c) {
  RecordSet s(kInterestNoteSize);
  for (int i = 0; i < 2; ++i) {
    const Contractor& k = c.contractors[static_cast<std::size_t>(i) % c.contractors.size()];
    RecordView r = s.add();
    r.set_u32(interest::kNumber, static_cast<std::uint32_t>(i + 1));
    r.set_date(interest::kIssued, day(c.dice.between(1, 28), 12, 2017));
    r.set_date(interest::kDue, day(c.dice.between(1, 28), 1, 2018));
    put_text(r, kInterestNoteTexts[0], k.name, c.enc);
    put_text(r, kInterestNoteTexts[1], k.address.street + " " + k.address.house, c.enc);
    put_text(r, kInterestNoteTexts[2], "Nota odsetkowa do FV/" + std::to_string(c.dice.between(1, 300)), c.enc);
    put_text(r, kInterestNoteTexts[3], k.address.city, c.enc);
    const double principal = c.dice.amount(500, 20000);
    const std::uint32_t days = static_cast<std::uint32_t>(c.dice.between(10, 200));
    r.set_f64(interest::kPrincipal, principal);
    r.set_u32(interest::kDays, days);
    r.set_f64(interest::kInterest, grosze(principal * 0.07 * days / 365.0));
  }
  return s.bytes();
}

Bytes vat_vehicles(Company& c) {
  RecordSet s(kVatVehicleSize);
  RecordView r = s.add();
  const std::string car = c.dice.pick(words::kCars);
  put_text(r, kVatVehicleTexts[0], "WX " + c.dice.digits(5), c.enc);
  put_text(r, kVatVehicleTexts[1], car.substr(0, car.find(' ')), c.enc);
  put_text(r, kVatVehicleTexts[2], car.substr(car.find(' ') + 1), c.enc);
  r.set_date(vehicle::kBought, day(c.dice.between(1, 28), c.dice.between(1, 12), 2014));
  r.set_f64(vehicle::kValue, c.dice.amount(30000, 90000));
  const int trips = c.dice.between(3, 18);
  for (int t = 0; t < trips; ++t) {
    const TextField f = kVatVehicleTexts[3 + static_cast<std::size_t>(t)];
    put_text(r, f, c.dice.pick(words::kTrips), c.enc);
    r.set_u32(f.offset + vehicle::kLogKilometres, static_cast<std::uint32_t>(c.dice.between(5, 600)));
    r.set_f64(f.offset + vehicle::kLogAmount, c.dice.amount(10, 400));
  }
  return s.bytes();
}

Bytes vat26_vehicles(Company& c) {
  RecordSet s(kVat26VehicleSize);
  RecordView r = s.add();
  put_text(r, kVat26VehicleTexts[0], std::string("Samochód ") + c.dice.pick(words::kCars), c.enc);
  put_text(r, kVat26VehicleTexts[1], c.name, c.enc);
  put_text(r, kVat26VehicleTexts[2], "WX " + c.dice.digits(5), c.enc);
  r.set_date(vehicle::kVat26From, day(1, 1, 2017));
  r.set_u32(vehicle::kVat26Engine, static_cast<std::uint32_t>(c.dice.between(1200, 2500)));
  return s.bytes();
}

}  // namespace

Bytes address_base(std::span<const Contractor> contractors, Dice& dice, const Encoder& enc) {
  RecordSet s(kAddressSize, contractors.size());
  for (const Contractor& k : contractors) {
    RecordView r = s.add();
    r.set_u32(address::kId, k.id);
    r.set_u8(kAddressKind, kAddressKindAddress);
    put_text(r, kAddressTexts[address::kName], k.name, enc);
    put_text(r, kAddressTexts[address::kStreet], k.address.street + " " + k.address.house, enc);
    put_text(r, kAddressTexts[address::kCity], k.address.city, enc);
    put_text(r, kAddressTexts[address::kPostOffice], k.address.post_office, enc);
    put_text(r, kAddressTexts[address::kVoivodeship], k.address.voivodeship, enc);
    put_text(r, kAddressTexts[address::kCounty], k.address.county, enc);
    put_text(r, kAddressTexts[address::kBankName], k.bank->name, enc);
    if (dice.percent(40)) {
      const auto& family = dice.pick(words::kSurnames);
      put_text(r, kAddressTexts[address::kContact], std::string(dice.pick(words::kFemaleNames)) + " " + family.female, enc);
    }
    if (dice.percent(30)) put_text(r, kAddressTexts[address::kRemark], dice.pick(words::kRemarks), enc);
    if (dice.percent(20)) put_text(r, kAddressTexts[address::kNameMore], "Oddział w " + k.address.city, enc);
    r.set_text(address::kNip.offset, address::kNip.capacity, dashed_nip(k.nip));
    r.set_text(address::kPhone.offset, address::kPhone.capacity, k.address.phone);
    r.set_text(address::kRegon.offset, address::kRegon.capacity, k.regon);
    r.set_text(address::kPostcode.offset, address::kPostcode.capacity, k.address.postcode);
    r.set_text(address::kAccount.offset, address::kAccount.capacity, grouped_account(k.account));
    r.set_u8(address::kRole, static_cast<std::uint8_t>(1 + dice.below(3)));
  }
  return s.bytes();
}

void write_company_files(Company& c, const OutDir& out) {
  out.file("_vx_wex.rek", stamp_file(c));
  out.text("FIRMATXT.INI", company_text(c));
  out.file("FIRMA_A8.REK", company_record(c));
  out.text("UMOWY.INI", contracts_settings(c));
  out.file("baza_ad8.rek", address_base(c.contractors, c.dice, c.enc));
  out.file("baza_sp8.rek", automats(c, words::kSales, "701-01 Przychody ze sprzedaży"));
  out.file("baza_za8.rek", automats(c, words::kPurchases, "301-02 Zakup towarów"));
  out.text("baza_ff.txt", function_key_texts(c.enc));
  out.text("Notatnik.txt", lines(c, 4));
  out.text("Notatka.txt", lines(c, 2));
  out.text("Notes.txt", lines(c, 6));
  out.file("BAZA_PP8.REK", transfer_orders(c));
  out.text("ZUS_PEL.INI", insurance_agent_settings(c));
  out.file("ESTUJ.REK", write_offs(c));
  out.text("BAZA_PP8.INI", transfer_settings(c));
  out.file("BAZA_DW8.REK", internal_vouchers(c));
  out.file("ODS_ZOB.REK", interest_notes(c));
  out.file("AUTAVAT.REK", vat_vehicles(c));
  out.file("AUTOV26.REK", vat26_vehicles(c));
}

}  // namespace vx::sample
