// Data of the add-on modules: fixed assets with their further registers,
// the two mileage modules and the import module's file.
#include <algorithm>

#include "conversion/fixed_asset_registers.hpp"
#include "conversion/in_place_layouts.hpp"
#include "sample_company.hpp"
#include "sample_records.hpp"

namespace vx::sample {

using namespace conversion::layout;

namespace {

namespace asset {
constexpr std::size_t kName = 0, kNameMore = 1, kInventory = 2, kClass = 3, kPlace = 4, kKeeper = 5,
                      kDocument = 6, kMethod = 7, kSupplier = 8;  // in kFixedAssetTexts
constexpr std::size_t kFirstMonthText = 24;  // the per-year table follows the 24 fields before it
constexpr std::size_t kId = 0;                      // dword
constexpr std::size_t kValue = 376, kRate = 384, kWrittenOff = 392;  // doubles
constexpr std::size_t kAcquired = 400, kInUse = 404;                 // packed dates
// Within a month entry of the per-year table, behind its text.
constexpr std::size_t kMonthDepreciation = 32, kMonthAccumulated = 40, kMonthNetValue = 48;
}  // namespace asset

namespace log_record {
constexpr std::size_t kMonth = 0, kYear = 1;  // byte, 16-bit
constexpr std::size_t kKilometres = 244;      // double, behind the last text
}  // namespace log_record

namespace trip_record {
constexpr std::size_t kDate = 0, kKilometres = 8;  // packed date, double
constexpr std::size_t kRate = 16;                  // double, zloty per kilometre
}  // namespace trip_record

// Records of the module files that travel as bytes: a number, a text and
// an amount.
namespace module_record {
constexpr std::size_t kSize = 128;
constexpr std::size_t kNumber = 0;  // 16-bit
constexpr TextField kText{2, 60};
constexpr std::size_t kAmount = 64;  // double
}  // namespace module_record

// A fixed asset depreciated month by month from the month after it came
// into use until December 2017.
void put_asset(RecordView r, Company& c, const std::string& name, std::uint32_t id) {
  const int year = c.dice.between(2008, 2017);
  const int month = c.dice.between(1, year == 2017 ? 11 : 12);
  const double value = c.dice.amount(3600, 250000);
  const double rate = c.dice.percent(50) ? 20.0 : 10.0;
  r.set_u32(asset::kId, id);
  put_text(r, kFixedAssetTexts[asset::kName], name, c.enc);
  put_text(r, kFixedAssetTexts[asset::kInventory], "ST/" + std::to_string(id) + "/" + std::to_string(year), c.enc);
  put_text(r, kFixedAssetTexts[asset::kClass], "KŚT " + std::to_string(c.dice.between(1, 8)) + "0" + std::to_string(c.dice.between(1, 9)), c.enc);
  put_text(r, kFixedAssetTexts[asset::kPlace], "siedziba: " + c.seat.city, c.enc);
  if (!c.staff.empty()) put_text(r, kFixedAssetTexts[asset::kKeeper], c.staff.front().surname, c.enc);
  put_text(r, kFixedAssetTexts[asset::kDocument], "OT " + std::to_string(id) + "/" + std::to_string(year), c.enc);
  put_text(r, kFixedAssetTexts[asset::kMethod], "liniowa", c.enc);
  put_text(r, kFixedAssetTexts[asset::kSupplier], c.contractors.front().name, c.enc);
  fill_remaining(r, std::span(kFixedAssetTexts).first(asset::kFirstMonthText), c.dice, c.enc);
  r.set_f64(asset::kValue, value);
  r.set_f64(asset::kRate, rate);
  r.set_date(asset::kAcquired, day(c.dice.between(1, 28), month, year));
  r.set_date(asset::kInUse, day(1, month, year));
  const double monthly = grosze(value * rate / 100.0 / 12.0);
  double accumulated = 0;
  for (int y = year; y <= 2017; ++y) {
    for (int m = (y == year ? month + 1 : 1); m <= 12 && accumulated < value; ++m) {
      const std::size_t at = kFixedAssetYearTable + kFixedAssetYearSize * static_cast<std::size_t>(y - 1985) +
                             kFixedAssetMonthSize * static_cast<std::size_t>(m - 1);
      const double part = std::min(monthly, grosze(value - accumulated));
      accumulated = grosze(accumulated + part);
      r.set_text(at, 30, c.enc("odpis miesięczny " + std::to_string(m) + "/" + std::to_string(y)));
      r.set_f64(at + asset::kMonthDepreciation, part);
      r.set_f64(at + asset::kMonthAccumulated, accumulated);
      r.set_f64(at + asset::kMonthNetValue, grosze(value - accumulated));
    }
  }
  r.set_f64(asset::kWrittenOff, accumulated);
}

Bytes asset_register(Company& c, std::span<const char* const> names, int count, std::uint32_t& id) {
  RecordSet out(kFixedAssetSize, static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) put_asset(out.add(), c, c.dice.pick(names), id++);
  return out.bytes();
}

struct Register {
  const char* title;
  const char* base;
};

Bytes register_list(Company& c, std::span<const Register> registers) {
  using conversion::register_list::kBaseName;
  RecordSet out(kFixedAssetRegisterSize);
  for (const Register& reg : registers) {
    RecordView r = out.add();
    put_text(r, kFixedAssetRegisterTexts[0], reg.title, c.enc);
    r.set_text(kBaseName.offset, kBaseName.capacity, reg.base);
    put_text(r, kFixedAssetRegisterTexts[1], "prowadzony od " + std::to_string(2010 + c.index % 7), c.enc);
  }
  return out.bytes();
}

Bytes asset_settings(Company& c) {
  RecordSet out(kFixedAssetSettingsSize);
  RecordView r = out.add();
  put_text(r, kFixedAssetSettingsTexts[0], c.name, c.enc);
  put_text(r, kFixedAssetSettingsTexts[1], c.seat.street + " " + c.seat.house, c.enc);
  put_text(r, kFixedAssetSettingsTexts[2], c.seat.postcode + " " + c.seat.city, c.enc);
  put_text(r, kFixedAssetSettingsTexts[3], "metoda liniowa", c.enc);
  put_text(r, kFixedAssetSettingsTexts[4], "amortyzacja miesięczna", c.enc);
  put_text(r, kFixedAssetSettingsTexts[5], "Żaneta Łęcka", c.enc);
  return out.bytes();
}

// Fixed-length records holding one text each, for the module files that
// travel as bytes.
Bytes text_records(Company& c, std::span<const char* const> texts, int count) {
  RecordSet out(module_record::kSize);
  for (int i = 0; i < count; ++i) {
    RecordView r = out.add();
    r.set_u16(module_record::kNumber, static_cast<std::uint16_t>(i + 1));
    put_text(r, module_record::kText, c.dice.pick(texts), c.enc);
    r.set_f64(module_record::kAmount, c.dice.amount(1, 900));
  }
  return out.bytes();
}

Bytes mileage_settings(Company& c) {
  RecordSet out(kMileageSettingsSize);
  RecordView r = out.add();
  put_text(r, kMileageSettingsTexts[0], c.name, c.enc);
  put_text(r, kMileageSettingsTexts[1], c.seat.street + " " + c.seat.house + ", " + c.seat.city, c.enc);
  put_text(r, kMileageSettingsTexts[2], "stawka za 1 km wg rozporządzenia", c.enc);
  put_text(r, kMileageSettingsTexts[3], "0,8358 zł", c.enc);
  return out.bytes();
}

Bytes mileage_addresses(Company& c) {
  RecordSet out(kMileageAddressSize);
  for (std::size_t i = 0; i < 3 && i < c.contractors.size(); ++i) {
    const Contractor& k = c.contractors[i];
    RecordView r = out.add();
    put_text(r, kMileageAddressTexts[0], k.name, c.enc);
    put_text(r, kMileageAddressTexts[2], k.address.street + " " + k.address.house, c.enc);
    put_text(r, kMileageAddressTexts[3], k.address.city, c.enc);
    put_text(r, kMileageAddressTexts[4], k.address.voivodeship, c.enc);
    fill_remaining(r, kMileageAddressTexts, c.dice, c.enc);
  }
  return out.bytes();
}

Bytes mileage_cars(Company& c) {
  RecordSet out(kMileageCarSize);
  RecordView r = out.add();
  put_text(r, kMileageCarTexts[0], "WX " + c.dice.digits(5), c.enc);
  put_text(r, kMileageCarTexts[1], c.dice.pick(words::kCars), c.enc);
  if (!c.staff.empty())
    put_text(r, kMileageCarTexts[2], c.staff.front().first_name + " " + c.staff.front().surname, c.enc);
  put_text(r, kMileageCarTexts[3], "samochód prywatny do celów służbowych", c.enc);
  return out.bytes();
}

Bytes mileage_log(Company& c, int month) {
  RecordSet out(kMileageLogSize);
  RecordView r = out.add();
  r.set_u8(log_record::kMonth, static_cast<std::uint8_t>(month));
  r.set_u16(log_record::kYear, 2018);
  put_text(r, kMileageLogTexts[0], "Ewidencja przebiegu", c.enc);
  if (!c.staff.empty()) put_text(r, kMileageLogTexts[1], c.staff.front().first_name + " " + c.staff.front().surname, c.enc);
  put_text(r, kMileageLogTexts[2], c.seat.street + " " + c.seat.house + ", " + c.seat.city, c.enc);
  put_text(r, kMileageLogTexts[3], "WX " + c.dice.digits(5), c.enc);
  fill_remaining(r, kMileageLogTexts, c.dice, c.enc);
  r.set_f64(log_record::kKilometres, c.dice.amount(50, 3000));
  return out.bytes();
}

Bytes mileage_trips(Company& c, int month) {
  RecordSet out(kMileageTripSize);
  const int trips = c.dice.between(2, 8);
  for (int t = 0; t < trips; ++t) {
    RecordView r = out.add();
    r.set_date(trip_record::kDate, day(c.dice.between(1, 28), month, 2018));
    r.set_f64(trip_record::kKilometres, c.dice.amount(5, 400));
    r.set_f64(trip_record::kRate, 0.8358);
    put_text(r, kMileageTripTexts[0], c.seat.city, c.enc);
    put_text(r, kMileageTripTexts[1], c.dice.pick(words::kPlaces).city, c.enc);
  }
  return out.bytes();
}

std::string import_file(Company& c) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"";
  xml += c.enc.mazovia() ? "x-mazovia" : "IBM852";
  xml += "\"?>\r\n<import firma=\"" + c.dir + "\">\r\n";
  for (int month : c.document_months) {
    const Contractor& k = c.dice.pick(std::span<const Contractor>(c.contractors));
    xml += "  <dokument miesiac=\"" + std::to_string(month) + "\" nip=\"" + k.nip + "\">" +
           c.enc(c.dice.pick(words::kSales)) + "</dokument>\r\n";
  }
  return xml + "</import>\r\n";
}

}  // namespace

void write_addons(Company& c, const OutDir& out) {
  // Fixed assets, with the further registers listed beside the main one.
  std::uint32_t id = 1;
  // The module's document base is a record file, carried byte for byte.
  out.file("dokument.rek", text_records(c, words::kAssets, 2 + c.index % 3));
  out.file("srodki.rek", asset_register(c, words::kAssets, 2 + c.index % 3, id));
  out.file("wyposaz.rek", asset_register(c, words::kEquipment, 1 + c.index % 2, id));
  out.file("st.cnf", asset_settings(c));
  const Register registers[] = {
      {"Środki trwałe - rejestr główny", c.index % 2 ? "Srodki" : "SRODKI"},
      {"Maszyny w leasingu", "LEASING"},
      {"Budynki i budowle", "BUDYNKI"},
  };
  const std::size_t listed = c.index % 3 == 0 ? 3 : 2;
  out.file(conversion::register_list::kName, register_list(c, std::span(registers).first(listed)));
  for (std::size_t i = 1; i < listed; ++i)
    out.file(std::string(registers[i].base) + conversion::register_list::kExtension,
             asset_register(c, words::kAssets, 1, id));

  // Mileage, the older module: purpose and route lists, settings, logs.
  out.file("SLUZBOWE.CEL", text_records(c, words::kTrips, 4));
  out.file("cel2017.rek", text_records(c, words::kTrips, 3));
  out.file("TRASY.TRS", text_records(c, words::kTrips, 5));
  out.file("tras2017.rek", text_records(c, words::kTrips, 2));
  out.file("km.cnf", mileage_settings(c));
  out.file("adresy.rek", mileage_addresses(c));
  out.file("samochod.rek", mileage_cars(c));
  const OutDir logs = out.sub("_2018");
  for (int month = 1; month <= 2; ++month) {
    const std::string name = "2018_0" + std::to_string(month);
    logs.file(name + ".kst", mileage_log(c, month));
    logs.file(name + ".wyj", mileage_trips(c, month));
  }

  // Mileage, the newer module: settings and yearly files, carried as they are.
  out.file("km150cnf.rek", text_records(c, words::kCars, 1));
  out.file("km__2017.rek", text_records(c, words::kTrips, 6));
  out.file("km18_01.rek", text_records(c, words::kTrips, 2));

  out.text("wex_import.xml", import_file(c));
}

}  // namespace vx::sample
