#pragma once
// Word lists of the sample office, in UTF-8: names, places, goods and the
// phrases an office types into its records.
#include <span>

namespace vx::sample::words {

struct Surname {
  const char* male;
  const char* female;
};
struct Place {
  const char* city;
  const char* voivodeship;
  const char* county;
  const char* postcode;
  const char* tax_office;  // district of its tax office
};
struct Bank {
  const char* name;
  const char* code;  // the 8 digits of the bank in its accounts
};
struct CompanyStem {
  const char* name;
  const char* dir;
  const char* info;
  const char* activity;
};

extern const std::span<const Surname> kSurnames;
extern const std::span<const char* const> kMaleNames;
extern const std::span<const char* const> kFemaleNames;
extern const std::span<const Place> kPlaces;
extern const std::span<const char* const> kStreets;
extern const std::span<const Bank> kBanks;
extern const std::span<const CompanyStem> kCompanies;
extern const std::span<const char* const> kTradeKinds;    // "Hurtownia Spożywcza"
extern const std::span<const char* const> kLegalForms;    // "sp. z o.o."
extern const std::span<const char* const> kPurchases;     // document descriptions
extern const std::span<const char* const> kSales;
extern const std::span<const char* const> kPaymentForms;
extern const std::span<const char* const> kJobTitles;
extern const std::span<const char* const> kQualifications;
extern const std::span<const char* const> kRelations;
extern const std::span<const char* const> kRemarks;       // free text of any field
extern const std::span<const char* const> kNotes;         // lines of the notepads
extern const std::span<const char* const> kWageItems;     // wage components, up to 12
extern const std::span<const char* const> kAssets;
extern const std::span<const char* const> kEquipment;
extern const std::span<const char* const> kCars;
extern const std::span<const char* const> kTrips;
extern const std::span<const char* const> kTransferTitles;

}  // namespace vx::sample::words
