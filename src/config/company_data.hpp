#pragma once
// The company's descriptive data kept in its text file ("FIRMATXT.INI"):
// identity, tax offices, banks, registration, addresses and social-insurance
// settings, and its transfer from and to the file.
#include <array>
#include <string>
#include <string_view>

#include "config/ini_file.hpp"
#include "recordfile/record_view.hpp"

namespace vx::config {

inline constexpr int kDefaultWorkingYear = 2018;
// Stored under DEF_ZUS (and its default): the social-insurance bank is the
// default bank.
inline constexpr long kSameBankAsDefault = 31;

// Tax office of each declaration: VAT-7, PIT-4R, PIT-8AR, PIT-XX.
using TaxOffices = std::array<std::string, 4>;

struct Bank {
  std::string name;     // NAZWAn
  std::string account;  // NRBn
  bool operator==(const Bank&) const = default;
};

struct CompanyData {
  // [WEX]
  std::string zus_name;
  std::array<std::string, 5> info;  // INFO1..INFO5, 66 characters each
  std::string xml_path, xml_transfer_path;
  bool fas = false;
  // [URZEDY_SKARBOWE], [URZEDY_SKARBOWE_EKOD]
  TaxOffices tax_offices, tax_offices_ekod;
  // [FIRMA]
  long type = 0;
  std::string nip, regon;
  // [PATH]: data locations of the working year minus 1, 2, 3 and 4.
  std::array<std::string, 4> earlier_years;
  // [BANKI]
  long default_bank = 0;
  long zus_bank = 0;
  std::array<Bank, 5> banks;
  std::string irk_zus;
  PackedDate bank_date;
  // [OSOBA_FIZYCZNA]
  struct Person {
    std::string pesel, nip, surname, first_name, second_name, father, mother;
    PackedDate birth_date;
    std::string birth_place, citizenship;
    char other_id_kind = '\0';
    std::string other_id_number;
    bool operator==(const Person&) const = default;
  } person;
  // [OSOBA_PRAWNA]
  struct LegalPerson {
    std::string full_name, short_name;
    PackedDate start_date;
    bool operator==(const LegalPerson&) const = default;
  } legal_person;
  // [ORGAN_REJESTROWY]
  struct Registration {
    std::string authority, register_name;
    PackedDate date;
    std::string number, code, decision;
    bool operator==(const Registration&) const = default;
  } registration;
  // [ADRES_SIEDZIBY], [ADRES_KOREPONDENCJA], [ADRES_ZAMIESZKANIA], [ADRES_DOKUMENTACJI]
  Address seat;
  std::string seat_commune_code;
  bool seat_iap = false;
  Address correspondence;
  std::string email, fax;
  Address residence, records_kept_at;
  // [DZIALALNOSC]
  std::string activity, activity_kgn, activity_ekd;
  // [UPOWAZNIONY]
  std::string agent_surname, agent_first_name, agent_phone;
  // [BR]: the accounting office.
  std::string office_name, office_nip, office_regon, office_contract;
  // [ZUS_ZxA]
  struct InsuranceForms {
    PackedDate sent, filled;
    std::string zwpa_code;
    PackedDate zwpa_date;
    bool zpwa_correction = false;
    std::string pp_path;
    char drai01 = '\0';
    long rent = 0, rxa = 0, fgsp_exempt = 0, draix02 = 0;  // coded settings
    bool operator==(const InsuranceForms&) const = default;
  } insurance;
  // [ZIPA]
  struct Zipa {
    long kind = 0;                     // I
    std::array<std::string, 7> texts;  // 01, 02, 03, 05, 06, 07, 08
    char item04 = '\0';                // 04
    PackedDate item09;                 // 09
    PackedDate iv09;
    bool operator==(const Zipa&) const = default;
  } zipa;

  bool operator==(const CompanyData&) const = default;
};

enum class Direction { kRead, kWrite };

// Read: clears the record and reads every key of the company data into it.
// Write: writes every field under its key into the file (whatever else the
// file holds stays) and saves it. Both visit the keys in the same order.
// False when the file cannot be read or written.
bool company_data_transfer(std::string_view file_name, Direction direction, CompanyData& data,
                           int working_year = kDefaultWorkingYear);

}  // namespace vx::config
