#pragma once
// Records converted in place: the same length in both years, only their
// text fields converted. Each table is the record's list of text fields.
#include <cstddef>
#include <span>

#include "recordfile/field_tables.hpp"

namespace vx::conversion::layout {

// A record converted in place: its length and its text fields. The plan's
// row and the converter both take the record's layout by this one name.
struct InPlaceLayout {
  std::size_t size;
  std::span<const TextField> texts;
};

// 2018ZAL.REK: twelve advance-payment lines.
inline constexpr std::size_t kAdvancePaymentSize = 1024;
inline constexpr auto kAdvancePaymentTexts = series<12>(14, 71, 70);

// ESTUJ.REK: assets written off at once.
inline constexpr std::size_t kOneOffWriteOffSize = 768;
inline constexpr auto kOneOffWriteOffTexts =
    join(fields({{20, 16}, {37, 16}, {54, 43}, {98, 12}, {111, 60}, {172, 18}}),
         series<4>(148 + 51, 51, 50), fields({{411, 43}}));

// ODS_ZOB.REK: interest notes issued.
inline constexpr std::size_t kInterestNoteSize = 200;
inline constexpr auto kInterestNoteTexts = fields({{14, 40}, {55, 40}, {108, 30}, {146, 20}});

// AUTAVAT.REK: vehicles used for VAT, with eighteen lines of 16 characters.
inline constexpr std::size_t kVatVehicleSize = 824;
inline constexpr auto kVatVehicleTexts =
    join(fields({{0, 18}, {19, 18}, {38, 18}}), series<18>(68 + 40, 40, 16));

// AUTOV26.REK: vehicles of the VAT-26 declaration.
inline constexpr std::size_t kVat26VehicleSize = 320;
inline constexpr auto kVat26VehicleTexts = fields({{0, 32}, {33, 32}, {66, 12}});

// srodki.rek and wyposaz.rek: fixed assets and equipment, with a per-year
// table of twelve monthly entries for the years 1985 to 2020.
inline constexpr std::size_t kFixedAssetSize = 39771;
inline constexpr std::size_t kFixedAssetFirstYear = 1985;
inline constexpr std::size_t kFixedAssetYears = 2020 - 1985 + 1;
inline constexpr std::size_t kFixedAssetYearTable = 2075;
inline constexpr std::size_t kFixedAssetYearSize = 1020;
inline constexpr std::size_t kFixedAssetMonthSize = 85;
inline constexpr auto kFixedAssetTexts =
    join(fields({{4, 60}, {65, 60}, {126, 30}, {157, 30}, {192, 60}, {253, 60}, {314, 60},
                 {543, 30}, {578, 60}, {639, 60}, {700, 60}}),
         series<4>(700 + 61, 61, 60), series<4>(1244 + 61, 61, 60), series<3>(1518 + 61, 61, 60),
         fields({{1762, 20}, {1783, 60}}),
         repeat<kFixedAssetYears>(kFixedAssetYearTable, kFixedAssetYearSize,
                                  series<12>(0, kFixedAssetMonthSize, 30)),
         fields({{39143, 15}, {39159, 18}}));

// st.cnf: settings of the fixed-asset module.
inline constexpr std::size_t kFixedAssetSettingsSize = 3837;
inline constexpr auto kFixedAssetSettingsTexts =
    join(series<3>(0, 41, 40), fields({{151, 20}, {172, 30}, {1272, 30}}));

// stbazy.rek: the list of fixed-asset registers.
inline constexpr std::size_t kFixedAssetRegisterSize = 367;
inline constexpr auto kFixedAssetRegisterTexts = fields({{0, 50}, {64, 50}});

// km.cnf: settings of the mileage module.
inline constexpr std::size_t kMileageSettingsSize = 2395;
inline constexpr auto kMileageSettingsTexts =
    join(series<2>(17 + 41, 41, 40), fields({{140, 40}, {337, 10}}));

// adresy.rek: addresses of the mileage module.
inline constexpr std::size_t kMileageAddressSize = 557;
inline constexpr auto kMileageAddressTexts =
    join(series<2>(41 - 37, 41, 40),
         fields({{127, 37}, {219, 20}, {240, 30}, {271, 20}, {292, 20}, {313, 30}, {344, 30}}),
         series<2>(334 + 41, 41, 40));

// samochod.rek: cars of the mileage module.
inline constexpr std::size_t kMileageCarSize = 704;
inline constexpr auto kMileageCarTexts = join(fields({{4, 12}, {17, 35}}), series<2>(28 + 41, 41, 40));

// _2018\*.kst: mileage logs.
inline constexpr std::size_t kMileageLogSize = 572;
inline constexpr auto kMileageLogTexts =
    join(fields({{6, 20}}), series<2>(41 - 10, 41, 40), fields({{141, 20}, {162, 30}, {193, 50}}));

// _2018\*.wyj: trips of the mileage logs.
inline constexpr std::size_t kMileageTripSize = 128;
inline constexpr auto kMileageTripTexts = fields({{24, 35}, {60, 35}});

static_assert(fits_without_overlap(kAdvancePaymentSize, kAdvancePaymentTexts));
static_assert(fits_without_overlap(kOneOffWriteOffSize, kOneOffWriteOffTexts));
static_assert(fits_without_overlap(kInterestNoteSize, kInterestNoteTexts));
static_assert(fits_without_overlap(kVatVehicleSize, kVatVehicleTexts));
static_assert(fits_without_overlap(kVat26VehicleSize, kVat26VehicleTexts));
static_assert(fits_without_overlap(kFixedAssetSize, kFixedAssetTexts));
static_assert(fits_without_overlap(kFixedAssetSettingsSize, kFixedAssetSettingsTexts));
static_assert(fits_without_overlap(kFixedAssetRegisterSize, kFixedAssetRegisterTexts));
static_assert(fits_without_overlap(kMileageSettingsSize, kMileageSettingsTexts));
static_assert(fits_without_overlap(kMileageAddressSize, kMileageAddressTexts));
static_assert(fits_without_overlap(kMileageCarSize, kMileageCarTexts));
static_assert(fits_without_overlap(kMileageLogSize, kMileageLogTexts));
static_assert(fits_without_overlap(kMileageTripSize, kMileageTripTexts));


// The layouts by the name of their record.
inline constexpr InPlaceLayout kAdvancePayment{kAdvancePaymentSize, kAdvancePaymentTexts};
inline constexpr InPlaceLayout kOneOffWriteOff{kOneOffWriteOffSize, kOneOffWriteOffTexts};
inline constexpr InPlaceLayout kInterestNote{kInterestNoteSize, kInterestNoteTexts};
inline constexpr InPlaceLayout kVatVehicle{kVatVehicleSize, kVatVehicleTexts};
inline constexpr InPlaceLayout kVat26Vehicle{kVat26VehicleSize, kVat26VehicleTexts};
inline constexpr InPlaceLayout kFixedAsset{kFixedAssetSize, kFixedAssetTexts};
inline constexpr InPlaceLayout kFixedAssetSettings{kFixedAssetSettingsSize, kFixedAssetSettingsTexts};
inline constexpr InPlaceLayout kFixedAssetRegister{kFixedAssetRegisterSize, kFixedAssetRegisterTexts};
inline constexpr InPlaceLayout kMileageSettings{kMileageSettingsSize, kMileageSettingsTexts};
inline constexpr InPlaceLayout kMileageAddress{kMileageAddressSize, kMileageAddressTexts};
inline constexpr InPlaceLayout kMileageCar{kMileageCarSize, kMileageCarTexts};
inline constexpr InPlaceLayout kMileageLog{kMileageLogSize, kMileageLogTexts};
inline constexpr InPlaceLayout kMileageTrip{kMileageTripSize, kMileageTripTexts};

}  // namespace vx::conversion::layout
