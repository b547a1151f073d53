#pragma once
// One company of the sample office: who it is, where, its staff and
// trading partners, and which of the optional files it keeps. Every file
// of the company is written from this profile, so the files agree.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "recordfile/record_view.hpp"
#include "sample_dice.hpp"
#include "sample_files.hpp"
#include "sample_words.hpp"

namespace vx::sample {

struct OfficeShape;

// The thirteen parts of an address, as records and INI files hold them.
struct Address {
  std::string country, voivodeship, commune, street, house, flat, city, postcode, post_office,
      box, phone, county, eu_code;
};

struct Contractor {
  std::uint32_t id = 0;
  std::string name;  // UTF-8
  Address address;
  std::string nip, regon, account;
  const words::Bank* bank = nullptr;
};

struct Person {
  std::int64_t id = 0;  // negative: deleted in 2017
  const words::Surname* family = nullptr;
  bool female = false;
  bool owner = false;
  std::string surname, first_name, second_name, father, mother;
  std::string pesel, nip, job;
  PackedDate born, hired, left;  // left 0: still employed
  double salary = 0;
  Address home;

  bool deleted() const { return id < 0; }
  // Employed on the last day of 2017 (or later, or with no end date).
  bool employed_at_year_end() const { return left.packed() == 0 || left.packed() >= day(31, 12, 2017).packed(); }
};

struct Company {
  Company(const OfficeShape& shape, int index);

  int index;
  Dice dice;
  std::string dir;  // register directory, up to 8 characters
  std::string name, info, activity;
  Encoder enc;
  bool december_approved;
  bool entered_2018;  // keeps 2018_ROK.REK and 2018 data entered in 2017
  bool has_unsettled;
  std::vector<int> document_months;  // months of 2018 already booked
  int documents_per_month;
  const words::Place* place;
  Address seat;
  std::string nip, regon, account, phone;
  const words::Bank* bank;
  std::vector<Contractor> contractors;
  std::vector<Person> staff;  // owners first

  std::string path_of_year(int year) const;  // the company's data in an older installation
  std::string tax_office_name() const;
  std::string tax_office_code() const;  // as in the global base of tax offices
};

Address make_address(Dice& dice, const words::Place& place);
// Tax offices of the global base: one for each place, in the list's order.
std::string tax_office_name(const words::Place& place);
std::string tax_office_code(const words::Place& place);
Contractor make_contractor(Dice& dice, std::uint32_t id);
std::vector<Person> make_staff(Company& c, int count);
// Address base records (480 bytes), the company's and the global ones.
Bytes address_base(std::span<const Contractor> contractors, Dice& dice, const Encoder& enc);
// Texts of the function keys F2..F10.
std::string function_key_texts(const Encoder& enc);
// Wage-list settings (2048-byte records), the company's and the global ones.
Bytes wage_list_settings(Dice& dice, const Encoder& enc, int records);

// The company's files, by family.
void write_annual_settings(Company& c, const OutDir& out);
void write_company_files(Company& c, const OutDir& out);
void write_personnel(Company& c, const OutDir& out);
void write_documents(Company& c, const OutDir& out);
void write_declarations(Company& c, const OutDir& out);
void write_addons(Company& c, const OutDir& out);

}  // namespace vx::sample
