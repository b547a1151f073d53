#include "sample_company.hpp"

#include <algorithm>

#include "charset/utf8.hpp"
#include "sample_identifiers.hpp"
#include "sample_office.hpp"

namespace vx::sample {

namespace {

// The first characters of a UTF-8 text, counted as characters.
std::string first_characters(std::string_view utf8, std::size_t count) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < count && i < utf8.size(); ++n) charset::next_code_point(utf8, i);
  return std::string(utf8.substr(0, i));
}

std::size_t characters(std::string_view utf8) {
  std::size_t i = 0, n = 0;
  while (i < utf8.size()) {
    charset::next_code_point(utf8, i);
    ++n;
  }
  return n;
}

constexpr std::size_t kNameCapacity = 31;  // of the register's name
constexpr std::size_t kDirPrefix = 4;      // letters kept before the number

std::string numbered(std::string_view stem, int index, std::size_t capacity) {
  const std::string suffix = " " + std::to_string(index);
  if (characters(stem) + suffix.size() <= capacity) return std::string(stem) + suffix;
  return first_characters(stem, capacity - suffix.size()) + suffix;
}

std::string four_digits(int n) {
  std::string s = std::to_string(n);
  return std::string(s.size() < 4 ? 4 - s.size() : 0, '0') + s;
}

constexpr std::uint32_t kStreamOfCompany = 1;  // stream 0 is the global files'

}  // namespace

Address make_address(Dice& dice, const words::Place& place) {
  Address a;
  a.country = "Polska";
  a.voivodeship = place.voivodeship;
  a.county = place.county;
  a.commune = place.city;
  a.street = std::string("ul. ") + dice.pick(words::kStreets);
  a.house = std::to_string(dice.between(1, 140));
  if (dice.percent(15)) a.house += static_cast<char>('a' + dice.below(3));
  if (dice.percent(40)) a.flat = std::to_string(dice.between(1, 60));
  a.city = place.city;
  a.postcode = std::string(place.postcode) + dice.digits(3);
  a.post_office = place.city;
  if (dice.percent(10)) a.box = std::to_string(dice.between(1, 300));
  a.phone = dice.digits(2) + " " + dice.digits(3) + " " + dice.digits(2) + " " + dice.digits(2);
  a.eu_code = "PL";
  return a;
}

Contractor make_contractor(Dice& dice, std::uint32_t id) {
  Contractor k;
  k.id = id;
  k.name = std::string(dice.pick(words::kTradeKinds)) + " " + dice.pick(words::kSurnames).male;
  const std::string form = dice.pick(words::kLegalForms);
  if (!form.empty()) k.name += " " + form;
  k.address = make_address(dice, dice.pick(words::kPlaces));
  k.nip = make_nip(dice);
  k.regon = make_regon(dice);
  k.bank = &dice.pick(words::kBanks);
  k.account = make_account(dice, k.bank->code);
  return k;
}

Company::Company(const OfficeShape& shape, int n)
    : index(n),
      dice(shape.seed, kStreamOfCompany + static_cast<std::uint32_t>(n)),
      enc(n % 2 == 1),  // every other company keeps its texts in Mazovia
      december_approved(n % 3 != 1),
      entered_2018(n % 4 == 2),
      has_unsettled(n % 4 != 3 && shape.documents > 0),
      documents_per_month(shape.documents) {
  const auto& stem = words::kCompanies[static_cast<std::size_t>(n) % words::kCompanies.size()];
  const bool first_round = static_cast<std::size_t>(n) < words::kCompanies.size();
  dir = first_round ? stem.dir : std::string(stem.dir).substr(0, kDirPrefix) + four_digits(n);
  name = first_round ? std::string(stem.name) : numbered(stem.name, n, kNameCapacity);
  info = stem.info;
  activity = stem.activity;
  if (shape.documents > 0) {
    for (int m = 1; m <= 1 + n % 3; ++m) document_months.push_back(m);
    // Recurring invoices booked ahead for the autumn.
    if (n % 5 == 4) document_months.push_back(10);
  }
  place = &dice.pick(words::kPlaces);
  seat = make_address(dice, *place);
  nip = make_nip(dice);
  regon = make_regon(dice);
  bank = &dice.pick(words::kBanks);
  account = make_account(dice, bank->code);
  phone = seat.phone;
  const int partners = 6 + std::min(shape.documents / 10, 40);
  for (int i = 0; i < partners; ++i)
    contractors.push_back(make_contractor(dice, static_cast<std::uint32_t>(100 + i)));
  staff = make_staff(*this, shape.persons);
}

std::string tax_office_name(const words::Place& place) { return std::string("Urząd Skarbowy ") + place.tax_office; }

std::string tax_office_code(const words::Place& place) {
  constexpr int kFirstCode = 1401;
  return std::to_string(kFirstCode + (&place - words::kPlaces.data()));
}

std::string Company::tax_office_name() const { return sample::tax_office_name(*place); }
std::string Company::tax_office_code() const { return sample::tax_office_code(*place); }

std::string Company::path_of_year(int year) const {
  return "C:\\WEX_" + std::to_string(year) + "\\" + dir;
}

}  // namespace vx::sample
