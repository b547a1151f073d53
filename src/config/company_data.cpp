#include "config/company_data.hpp"

namespace vx::config {

namespace {

constexpr std::size_t kInfoLength = 66;

constexpr std::array<std::string_view, 4> kTaxOfficeKeys = {"VAT-7", "PIT-4R", "PIT-8AR", "PIT-XX"};

std::string numbered(std::string_view key, std::size_t n) { return std::string(key) + std::to_string(n); }

// Reads every key into its field.
class Reader {
 public:
  explicit Reader(const IniFile& file) : f_(file) {}
  void text(std::string_view s, std::string_view k, std::string& v) { v = f_.read_text(s, k); }
  void text(std::string_view s, std::string_view k, std::string& v, std::size_t capacity) {
    v = f_.read_text(s, k).substr(0, capacity);
  }
  void integer(std::string_view s, std::string_view k, long& v, long default_value) {
    v = f_.read_integer(s, k, default_value);
  }
  void yes_no(std::string_view s, std::string_view k, bool& v) { v = f_.read_yes_no(s, k); }
  void character(std::string_view s, std::string_view k, char& v) { v = f_.read_char(s, k); }
  void date(std::string_view s, std::string_view k, PackedDate& v) { v = f_.read_date(s, k); }
  void address(std::string_view s, Address& v) { v = f_.read_address(s); }

 private:
  const IniFile& f_;
};

// Writes every field under its key.
class Writer {
 public:
  explicit Writer(IniFile& file) : f_(file) {}
  void text(std::string_view s, std::string_view k, std::string& v) { f_.write_text(s, k, v); }
  void text(std::string_view s, std::string_view k, std::string& v, std::size_t capacity) {
    f_.write_text(s, k, std::string_view(v).substr(0, capacity));
  }
  void integer(std::string_view s, std::string_view k, long& v, long) { f_.write_integer(s, k, v); }
  void yes_no(std::string_view s, std::string_view k, bool& v) { f_.write_yes_no(s, k, v); }
  void character(std::string_view s, std::string_view k, char& v) { f_.write_char(s, k, v); }
  void date(std::string_view s, std::string_view k, PackedDate& v) { f_.write_date(s, k, v); }
  void address(std::string_view s, Address& v) { f_.write_address(s, v); }

 private:
  IniFile& f_;
};

// Every key of the company data, in the order in which the system reads
// and writes them.
template <typename Visitor>
void visit_company_keys(Visitor& v, CompanyData& d, int working_year) {
  v.text("WEX", "NAZWA_ZUS", d.zus_name);
  for (std::size_t i = 0; i < d.info.size(); ++i)
    v.text("WEX", numbered("INFO", i + 1), d.info[i], kInfoLength);
  for (std::size_t i = 0; i < kTaxOfficeKeys.size(); ++i)
    v.text("URZEDY_SKARBOWE", kTaxOfficeKeys[i], d.tax_offices[i]);
  for (std::size_t i = 0; i < kTaxOfficeKeys.size(); ++i)
    v.text("URZEDY_SKARBOWE_EKOD", kTaxOfficeKeys[i], d.tax_offices_ekod[i]);
  v.text("WEX", "PATHXML", d.xml_path);
  v.text("WEX", "PRZEXML", d.xml_transfer_path);

  v.integer("FIRMA", "TYP", d.type, 0);
  v.text("FIRMA", "NIP", d.nip);
  v.text("FIRMA", "REGON", d.regon);

  for (std::size_t i = 0; i < d.earlier_years.size(); ++i)
    v.text("PATH", numbered("WEX", static_cast<std::size_t>(working_year) - 1 - i), d.earlier_years[i]);

  v.integer("BANKI", "DEF", d.default_bank, 0);
  v.integer("BANKI", "DEF_ZUS", d.zus_bank, kSameBankAsDefault);
  for (std::size_t i = 0; i < d.banks.size(); ++i) {
    v.text("BANKI", numbered("NAZWA", i + 1), d.banks[i].name);
    v.text("BANKI", numbered("NRB", i + 1), d.banks[i].account);
  }
  v.text("BANKI", "IRKwZUS", d.irk_zus);
  v.date("BANKI", "DATA_ZBA", d.bank_date);

  auto& p = d.person;
  v.text("OSOBA_FIZYCZNA", "PESEL", p.pesel);
  v.text("OSOBA_FIZYCZNA", "NIP", p.nip);
  v.text("OSOBA_FIZYCZNA", "NAZWISKO", p.surname);
  v.text("OSOBA_FIZYCZNA", "IMIE1", p.first_name);
  v.text("OSOBA_FIZYCZNA", "IMIE2", p.second_name);
  v.text("OSOBA_FIZYCZNA", "TATA", p.father);
  v.text("OSOBA_FIZYCZNA", "MAMA", p.mother);
  v.date("OSOBA_FIZYCZNA", "DATA_URODZENIA", p.birth_date);
  v.text("OSOBA_FIZYCZNA", "MIEJSCE_URODZENIA", p.birth_place);
  v.text("OSOBA_FIZYCZNA", "OBYWATELSTWO", p.citizenship);
  v.character("OSOBA_FIZYCZNA", "INNY_RODZAJ", p.other_id_kind);
  v.text("OSOBA_FIZYCZNA", "INNY_NUMER", p.other_id_number);

  v.text("OSOBA_PRAWNA", "NAZWA_PELNA", d.legal_person.full_name);
  v.text("OSOBA_PRAWNA", "NAZWA_SKROCONA", d.legal_person.short_name);
  v.date("OSOBA_PRAWNA", "DATA_ROZPOCZECIA", d.legal_person.start_date);

  auto& r = d.registration;
  v.text("ORGAN_REJESTROWY", "ORGAN", r.authority);
  v.text("ORGAN_REJESTROWY", "REJESTR", r.register_name);
  v.date("ORGAN_REJESTROWY", "DATA", r.date);
  v.text("ORGAN_REJESTROWY", "NUMER", r.number);
  v.text("ORGAN_REJESTROWY", "KOD", r.code);
  v.text("ORGAN_REJESTROWY", "ORZAL", r.decision);

  v.address("ADRES_SIEDZIBY", d.seat);
  v.text("ADRES_SIEDZIBY", "KODGMINY", d.seat_commune_code);
  v.yes_no("ADRES_SIEDZIBY", "IAP", d.seat_iap);
  v.address("ADRES_KOREPONDENCJA", d.correspondence);
  v.text("ADRES_KOREPONDENCJA", "EMAIL", d.email);
  v.text("ADRES_KOREPONDENCJA", "FAKS", d.fax);
  v.address("ADRES_ZAMIESZKANIA", d.residence);
  v.address("ADRES_DOKUMENTACJI", d.records_kept_at);

  v.text("DZIALALNOSC", "OPIS", d.activity);
  v.text("DZIALALNOSC", "KGN", d.activity_kgn);
  v.text("DZIALALNOSC", "EKD", d.activity_ekd);

  v.text("UPOWAZNIONY", "NAZWISKO", d.agent_surname);
  v.text("UPOWAZNIONY", "IMIE", d.agent_first_name);
  v.text("UPOWAZNIONY", "TELEFON", d.agent_phone);

  v.text("BR", "NAZWA", d.office_name);
  v.text("BR", "NIP", d.office_nip);
  v.text("BR", "REGON", d.office_regon);
  v.text("BR", "UMOWA", d.office_contract);

  auto& z = d.insurance;
  v.date("ZUS_ZxA", "DATAPOSK", z.sent);
  v.date("ZUS_ZxA", "WYPELNIONO", z.filled);
  v.text("ZUS_ZxA", "ZWPA_KOD", z.zwpa_code);
  v.date("ZUS_ZxA", "ZWPA_DATA", z.zwpa_date);
  v.yes_no("ZUS_ZxA", "ZPWA_KOR", z.zpwa_correction);
  v.text("ZUS_ZxA", "PPPATH", z.pp_path);
  v.character("ZUS_ZxA", "DRAI01", z.drai01);
  v.integer("ZUS_ZxA", "RENT", z.rent, 0);
  v.integer("ZUS_ZxA", "RxA", z.rxa, 0);
  v.integer("ZUS_ZxA", "zwFGSP", z.fgsp_exempt, 0);
  v.integer("ZUS_ZxA", "DRAIX02_", z.draix02, 0);

  auto& zipa = d.zipa;
  v.integer("ZIPA", "I", zipa.kind, 0);
  std::size_t text = 0;
  for (int item = 1; item <= 9; ++item) {
    const std::string key = "0" + std::to_string(item);
    if (item == 4)
      v.character("ZIPA", key, zipa.item04);
    else if (item == 9)
      v.date("ZIPA", key, zipa.item09);
    else
      v.text("ZIPA", key, zipa.texts[text++]);
  }
  v.date("ZIPA", "IV09", zipa.iv09);

  v.yes_no("WEX", "FAS", d.fas);
}

}  // namespace

bool company_data_transfer(std::string_view file_name, Direction direction, CompanyData& data,
                           int working_year) {
  IniFile file;
  if (!file.open(file_name)) return false;
  if (direction == Direction::kRead) {
    data = CompanyData{};
    Reader reader(file);
    visit_company_keys(reader, data, working_year);
    if (data.zus_bank == kSameBankAsDefault) data.zus_bank = data.default_bank;
    file.close();
    return true;
  }
  Writer writer(file);
  visit_company_keys(writer, data, working_year);
  const bool saved = file.save();
  file.close();
  return saved;
}

}  // namespace vx::config
