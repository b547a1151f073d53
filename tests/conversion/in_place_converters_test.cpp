// Records converted in place: the listed texts become CP852, cut to their
// capacity; every other byte stays, and keeping the standard changes nothing.
#include <gtest/gtest.h>

#include "conversion/record_converters.hpp"
#include "support/converter_check.hpp"

namespace vx::test {
namespace {

struct Family {
  const char* file;
  const conversion::layout::InPlaceLayout* layout;
  std::size_t size;
  Fields texts;
};

std::vector<Family> families() {
  using namespace conversion;
  Fields per_year;
  for (std::size_t y = 1985; y <= 2020; ++y)
    for (std::size_t m = 1; m <= 12; ++m)
      per_year.push_back({2075 + 1020 * (y - 1985) + 85 * (m - 1), 30});
  return {
      {"2018ZAL.REK", &layout::kAdvancePayment, 1024, run_of(12, 14, 71, 70)},
      {"ESTUJ.REK", &layout::kOneOffWriteOff, 768,
       Fields{{20, 16}, {37, 16}, {54, 43}, {98, 12}, {111, 60}, {172, 18}} +
           run_of(4, 148 + 51, 51, 50) + Fields{{411, 43}}},
      {"ODS_ZOB.REK", &layout::kInterestNote, 200, {{14, 40}, {55, 40}, {108, 30}, {146, 20}}},
      {"AUTAVAT.REK", &layout::kVatVehicle, 824,
       Fields{{0, 18}, {19, 18}, {38, 18}} + run_of(18, 68 + 40, 40, 16)},
      {"AUTOV26.REK", &layout::kVat26Vehicle, 320, {{0, 32}, {33, 32}, {66, 12}}},
      {"srodki.rek", &layout::kFixedAsset, 39771,
       Fields{{4, 60}, {65, 60}, {126, 30}, {157, 30}, {192, 60}, {253, 60}, {314, 60}, {543, 30},
              {578, 60}, {639, 60}, {700, 60}} +
           run_of(4, 761, 61, 60) + run_of(4, 1305, 61, 60) + run_of(3, 1579, 61, 60) +
           Fields{{1762, 20}, {1783, 60}} + per_year + Fields{{39143, 15}, {39159, 18}}},
      {"st.cnf", &layout::kFixedAssetSettings, 3837,
       Fields{{0, 40}, {41, 40}, {82, 40}, {151, 20}, {172, 30}, {1272, 30}}},
      {"stbazy.rek", &layout::kFixedAssetRegister, 367, {{0, 50}, {64, 50}}},
      {"km.cnf", &layout::kMileageSettings, 2395, {{58, 40}, {99, 40}, {140, 40}, {337, 10}}},
      {"adresy.rek", &layout::kMileageAddress, 557,
       Fields{{4, 40}, {45, 40}, {127, 37}, {219, 20}, {240, 30}, {271, 20}, {292, 20}, {313, 30},
              {344, 30}, {375, 40}, {416, 40}}},
      {"samochod.rek", &layout::kMileageCar, 704, {{4, 12}, {17, 35}, {69, 40}, {110, 40}}},
      {"_2018\\*.kst", &layout::kMileageLog, 572,
       {{6, 20}, {31, 40}, {72, 40}, {141, 20}, {162, 30}, {193, 50}}},
      {"_2018\\*.wyj", &layout::kMileageTrip, 128, {{24, 35}, {60, 35}}},
  };
}

TEST(InPlaceConverters, ListedTextsBecomeCp852AndNothingElseChanges) {
  for (const auto& f : families()) {
    const Record rec = mazovia_record(f.size, f.texts);
    EXPECT_EQ(run_in_place(*f.layout, rec, true), converted_in_place(rec, f.texts).bytes())
        << f.file;
  }
}

TEST(InPlaceConverters, EachLayoutIsAsLongAsItsRecord) {
  for (const auto& f : families()) EXPECT_EQ(f.layout->size, f.size) << f.file;
}

TEST(InPlaceConverters, KeepingTheStandardLeavesEveryByte) {
  for (const auto& f : families()) {
    const Record rec = mazovia_record(f.size, f.texts);
    EXPECT_EQ(run_in_place(*f.layout, rec, false), rec.bytes()) << f.file;
  }
}

TEST(InPlaceConverters, ShortLastRecordKeepsItsBytesAndConvertsWhatItHolds) {
  // A file whose size is no multiple of the record: the last record arrives
  // short and only its whole fields are converted.
  const Fields texts = {{14, 40}, {55, 40}};
  Record whole = mazovia_record(200, texts);
  Record part(60);
  copy_bytes(part, whole, 0, 60);
  Record expected(60);
  copy_bytes(expected, converted_in_place(whole, {{14, 40}}), 0, 60);
  EXPECT_EQ(run_in_place(conversion::layout::kInterestNote, part, true), expected.bytes());
}

}  // namespace
}  // namespace vx::test
