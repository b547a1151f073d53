// The installation's global files in its program subdirectory: address and
// tax office bases, the office's own data, configuration, wage settings,
// colours, operators and social-insurance settings. The installation dates
// from before CP852, so its global texts are in Mazovia.
#include "conversion/rebuilt_layouts.hpp"
#include "driver/operator_record.hpp"
#include "sample_company.hpp"
#include "sample_global.hpp"
#include "sample_identifiers.hpp"
#include "sample_ini.hpp"
#include "sample_office.hpp"
#include "sample_records.hpp"

namespace vx::sample {

using namespace conversion::layout;

namespace {

// The office's own data for its invoices (384 bytes).
namespace office {
constexpr std::size_t kSize = 384;
constexpr TextField kLines[] = {{0, 36}, {37, 36}, {74, 36}};
constexpr TextField kNip{111, 13};
constexpr TextField kCity{125, 26};
constexpr std::size_t kNumberings[] = {152, 165, 178, 191};  // counter, then text 10
constexpr TextField kNumberingText{2, 10};
constexpr TextField kAccount{204, 40};
constexpr TextField kInvoiceText{245, 36};
constexpr std::size_t kPrintCopies = 282;
constexpr TextField kBank{283, 26};
constexpr TextField kContact{310, 38};  // the 39-byte block
constexpr std::size_t kPaymentDays = 349;
}  // namespace office

// Operators of the installation (512 bytes, stored scrambled).
namespace operator_record {
constexpr std::size_t kId = 0;
constexpr TextField kPassword{4, 16};
constexpr TextField kName{24, 30};
constexpr TextField kLogin{55, 16};
constexpr std::size_t kLastLogin = 72;  // packed date
constexpr TextField kDescription{93, 37};
constexpr std::size_t kRights = 133;  // seven 16-bit words
constexpr std::size_t kRightGroups = 7;
}  // namespace operator_record

// Tax office records by their place in kTaxOfficeTexts, and the codes.
namespace tax_office {
constexpr std::size_t kId = 0;  // dword
constexpr std::size_t kName = 0, kCity = 1, kStreet = 2, kHead = 3, kVoivodeship = 4;
constexpr TextField kCode{54, 6}, kShortCode{402, 4};
constexpr std::size_t kAccounts = 207, kAccountStride = 39;  // five accounts: VAT, PIT, CIT, ...
constexpr std::size_t kAccountCount = 5;
}  // namespace tax_office

constexpr std::uint32_t kGlobalStream = 0;
constexpr const char* kCentralBankCode = "10100071";  // tax offices keep their accounts there
constexpr std::uint8_t kColourScheme[] = {0x07, 0x0F, 0x1F, 0x70, 0x07, 0x02, 0x0F, 0x0F, 0x4F, 0x0F, 0x70};

Bytes tax_offices(Dice& dice, const Encoder& enc) {
  RecordSet out(kAddressSize, words::kPlaces.size());
  std::uint32_t id = 1;
  for (const auto& place : words::kPlaces) {
    RecordView r = out.add();
    const std::string code = tax_office_code(place);
    r.set_u32(tax_office::kId, id++);
    r.set_u8(kAddressKind, kAddressKindTaxOffice);
    put_text(r, kTaxOfficeTexts[tax_office::kName], tax_office_name(place), enc);
    put_text(r, kTaxOfficeTexts[tax_office::kCity], place.city, enc);
    put_text(r, kTaxOfficeTexts[tax_office::kStreet], std::string("ul. ") + dice.pick(words::kStreets) + " " +
                                                          std::to_string(dice.between(1, 80)), enc);
    put_text(r, kTaxOfficeTexts[tax_office::kHead], std::string("Naczelnik Urzędu Skarbowego ") + place.tax_office, enc);
    put_text(r, kTaxOfficeTexts[tax_office::kVoivodeship], place.voivodeship, enc);
    r.set_text(tax_office::kCode.offset, tax_office::kCode.capacity, code);
    r.set_text(tax_office::kShortCode.offset, tax_office::kShortCode.capacity, code);
    for (std::size_t a = 0; a < tax_office::kAccountCount; ++a)
      r.set_text(tax_office::kAccounts + tax_office::kAccountStride * a, tax_office::kAccountStride - 1,
                 grouped_account(make_account(dice, kCentralBankCode)));
  }
  return out.bytes();
}

Bytes office_records(Dice& dice, const Encoder& enc) {
  RecordSet out(office::kSize);
  for (int n = 0; n < 2; ++n) {
    RecordView r = out.add();
    put_text(r, office::kLines[0], n == 0 ? "Biuro Rachunkowe Ćma" : "Biuro Rachunkowe Ćma - oddział", enc);
    put_text(r, office::kLines[1], "ul. Żurawia 12 lok. 3", enc);
    put_text(r, office::kLines[2], "00-515 Warszawa", enc);
    r.set_text(office::kNip.offset, office::kNip.capacity, "526-025-09-95");
    put_text(r, office::kCity, "Warszawa", enc);
    for (auto at : office::kNumberings) {
      r.set_u16(at, static_cast<std::uint16_t>(dice.between(1, 400)));
      r.set_text(at + office::kNumberingText.offset, office::kNumberingText.capacity, "/2017");
    }
    r.set_text(office::kAccount.offset, office::kAccount.capacity, grouped_account(make_account(dice, words::kBanks[0].code)));
    // The second record leaves its invoice text to the new year's default.
    if (n == 0) put_text(r, office::kInvoiceText, "Prowadzenie księgi przychodów i rozchodów", enc);
    r.set_u8(office::kPrintCopies, 2);
    put_text(r, office::kBank, words::kBanks[0].name, enc);
    r.set_text(office::kContact.offset, office::kContact.capacity, "tel. 22 628 14 05");
    r.set_u16(office::kPaymentDays, 14);
  }
  return out.bytes();
}

struct Operator {
  const char* name;
  const char* login;
  const char* description;
  std::uint16_t group3, group5;
};

Bytes operators(Dice& dice, const Encoder& enc) {
  using namespace operator_record;
  // Rights of group 3 and 5 the 2018 program splits further.
  const Operator list[] = {
      {"Administrator", "ADMIN", "pełne uprawnienia", 0x00FF, 0x00FF},
      {"Żaneta Łęcka", "ZANETA", "księgowa - kadry i płace", 0x0004, 0x0001},
      {"Łukasz Wójcik", "LUKASZ", "księgowy - VAT i księga", 0x0001, 0x0002},
      {"Stażystka Ściborska", "STAZ", "tylko przeglądanie", 0x0000, 0x0000},
  };
  RecordSet out(driver::kOperatorRecordSize);
  std::uint32_t id = 1;
  for (const Operator& op : list) {
    RecordView r = out.add();
    r.set_u32(kId, id++);
    r.set_text(kPassword.offset, kPassword.capacity, dice.digits(6));
    put_text(r, kName, op.name, enc);
    r.set_text(kLogin.offset, kLogin.capacity, op.login);
    r.set_date(kLastLogin, day(dice.between(1, 28), 12, 2017));
    put_text(r, kDescription, op.description, enc);
    for (std::size_t g = 0; g < kRightGroups; ++g)
      r.set_u16(kRights + 2 * g, static_cast<std::uint16_t>(g == 3 ? op.group3 : g == 5 ? op.group5 : 0x0001));
    driver::scramble_operator_record(r.bytes());
  }
  return out.bytes();
}

std::string module_settings(const Encoder& enc) {
  IniText ini(enc);
  ini.section("DLL").yes_no("SRODKI_TRWALE", true).yes_no("KM140", false).yes_no("KM150", true)
      .yes_no("IMPORT2WEX", true);
  ini.section("SCIEZKI").text("DLL", "C:\\WEX_2017\\DLL").text("WYDRUKI", "C:\\WEX_2017\\Wydruki - księgi");
  ini.section("OPISY").text("ST", "Środki trwałe i wyposażenie").text("KM", "Kilometrówka - ewidencja przebiegu");
  return ini.str();
}

std::string tax_constants(const Encoder& enc) {
  IniText ini(enc);
  ini.section("PIT").number("PROG", 85528).number("STAWKA1", 18).number("STAWKA2", 32)
      .text("KWOTA_ZMNIEJSZAJACA", "556,02").text("LINIOWY", "19");
  ini.section("ZUS").text("MINIMALNE", "2000,00").text("PRZECIETNE", "4529,00").text("ZDROWOTNA", "297,28");
  ini.section("VAT").text("STAWKI", "23;8;5;0;zw").text("UWAGI", "stawki obniżone do 2018");
  return ini.str();
}

std::string installation_settings(const Encoder& enc) {
  IniText ini(enc);
  ini.section("WEX").number("ROK", 2017).text("DANE", "C:\\WEX_2017").text("BIURO", "Biuro Rachunkowe Ćma");
  ini.section("DRUKARKA").text("PORT", "LPT1").text("STRONA_KODOWA", "852").number("WIERSZY", 66);
  ini.section("SIEC").yes_no("WSPOLDZIELENIE", true).number("PROBY", 20);
  return ini.str();
}

std::string insurance_agent_settings(const Encoder& enc) {
  IniText ini(enc);
  ini.section("ZUS_PEL").text("BIURO", "Biuro Rachunkowe Ćma").text("PELNOMOCNIK", "Żaneta Łęcka")
      .date("OD_DNIA", day(1, 3, 2015));
  return ini.str();
}

std::string contracts_settings(const Encoder& enc) {
  IniText ini(enc);
  ini.section("UMOWY").number("TYP", 1).text("WZOR", "umowa zlecenia - wzór biura")
      .text("KOSZTY", "20%").text("KLAUZULA", "Wykonawca oświadcza, że nie podlega ubezpieczeniom");
  return ini.str();
}

}  // namespace

void write_global_files(const OfficeShape& shape, const OutDir& out) {
  Dice dice(shape.seed, kGlobalStream);
  const Encoder enc(true);
  std::vector<Contractor> partners;
  for (std::uint32_t i = 1; i <= 24; ++i) partners.push_back(make_contractor(dice, i));
  out.file("baza_ad8.rek", address_base(partners, dice, enc));
  out.file("baza_us8.rek", tax_offices(dice, enc));
  out.text("baza_ff.txt", function_key_texts(enc));
  out.file("2017_BR.REK", office_records(dice, enc));
  out.text("WEX_VX.INI", module_settings(enc));
  out.text("2017spd.ini", tax_constants(enc));
  out.file("2017_lp.cc", wage_list_settings(dice, enc, 3));
  // Wage settings for the new year, entered early in some offices.
  if (shape.seed % 2 == 0) out.file("2018_lp.cc", wage_list_settings(dice, enc, 3));
  out.file("KOLORY.VX", std::span<const std::uint8_t>(kColourScheme));
  out.file("OPERATOR.REK", operators(dice, enc));
  out.text("ZUS_PEL.INI", insurance_agent_settings(enc));
  out.text("UMOWY.INI", contracts_settings(enc));
  out.text("wex_2017.ini", installation_settings(enc));
}

}  // namespace vx::sample
