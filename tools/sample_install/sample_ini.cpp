#include "sample_ini.hpp"

#include "recordfile/date_text.hpp"

namespace vx::sample {

IniText& IniText::section(std::string_view name) {
  if (!text_.empty()) text_ += "\r\n";
  text_ += "[";
  text_ += name;
  text_ += "]\r\n";
  return *this;
}

IniText& IniText::text(std::string_view key, std::string_view utf8) {
  text_ += key;
  text_ += "=";
  text_ += enc_(utf8);
  text_ += "\r\n";
  return *this;
}

IniText& IniText::number(std::string_view key, long value) { return text(key, std::to_string(value)); }

IniText& IniText::yes_no(std::string_view key, bool value) { return text(key, value ? "TAK" : "NIE"); }

IniText& IniText::date(std::string_view key, PackedDate d) { return text(key, date_text(d)); }

IniText& IniText::address(const Address& a) {
  return text("KRAJ", a.country)
      .text("WOJEWODZTWO", a.voivodeship)
      .text("GMINA", a.commune)
      .text("ULICA", a.street)
      .text("DOM", a.house)
      .text("LOKAL", a.flat)
      .text("MIEJSCOWOSC", a.city)
      .text("KOD", a.postcode)
      .text("POCZTA", a.post_office)
      .text("SKRYTKA", a.box)
      .text("TELEFON", a.phone)
      .text("POWIAT", a.county)
      .text("KODUE", a.eu_code);
}

}  // namespace vx::sample
