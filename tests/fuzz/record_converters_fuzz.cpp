// Record converters on any bytes: the first byte picks the converter, the
// second the character standards; the rest fills the record (zeros after a
// short input). A converter must keep within its record whatever the length
// bytes of the texts say.
#include <cstdint>
#include <cstring>
#include <vector>

#include "conversion/in_place_layouts.hpp"
#include "conversion/rebuilt_layouts.hpp"
#include "conversion/record_converters.hpp"
#include "fuzz_support.hpp"
#include "transfer/company_record.hpp"

namespace {

using namespace vx;
using namespace vx::conversion;

struct SameSize {
  bool (*convert)(Session&, RecordView);
  std::size_t size;
};
struct TwoSize {
  bool (*convert)(Session&, ConstRecordView, RecordView);
  std::size_t size;
};

const SameSize kSameSize[] = {
    {convert_advance_payments, layout::kAdvancePaymentSize},
    {convert_one_off_write_off, layout::kOneOffWriteOffSize},
    {convert_interest_note, layout::kInterestNoteSize},
    {convert_vat_vehicle, layout::kVatVehicleSize},
    {convert_vat26_vehicle, layout::kVat26VehicleSize},
    {convert_fixed_asset, layout::kFixedAssetSize},
    {convert_fixed_asset_settings, layout::kFixedAssetSettingsSize},
    {convert_fixed_asset_registers, layout::kFixedAssetRegisterSize},
    {convert_mileage_settings, layout::kMileageSettingsSize},
    {convert_mileage_address, layout::kMileageAddressSize},
    {convert_mileage_car, layout::kMileageCarSize},
    {convert_mileage_log, layout::kMileageLogSize},
    {convert_mileage_trip, layout::kMileageTripSize},
};
const TwoSize kTwoSize[] = {
    {convert_company, transfer::kCompanyRecordSize},
    {convert_address, layout::kAddressSize},
    {convert_automat, layout::kAutomatSize},
    {convert_transfer_order, layout::kTransferOrderSize},
    {convert_internal_voucher, layout::kInternalVoucherSize},
    {convert_correction_note, layout::kCorrectionNoteSize},
};
constexpr std::size_t kSameCount = sizeof kSameSize / sizeof kSameSize[0];
constexpr std::size_t kTwoCount = sizeof kTwoSize / sizeof kTwoSize[0];

// The record exactly as long as its layout, so that a read or write past
// its end is caught by the address sanitizer.
std::vector<std::uint8_t> record_of(const std::uint8_t* data, std::size_t size, std::size_t length) {
  std::vector<std::uint8_t> rec(length, 0);
  std::memcpy(rec.data(), data, size < length ? size : length);
  return rec;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t pick = data[0] % (kSameCount + kTwoCount);
  fuzz::FuzzRun fr(data[1]);
  fuzz::set_standards(*fr.run, data[1]);
  fr.run->conversion.tax_office_mode = (data[1] & 8) != 0;
  data += 2;
  size -= 2;
  if (pick < kSameCount) {
    auto rec = record_of(data, size, kSameSize[pick].size);
    kSameSize[pick].convert(*fr.run, RecordView(rec));
  } else {
    const TwoSize& c = kTwoSize[pick - kSameCount];
    const auto old = record_of(data, size, c.size);
    std::vector<std::uint8_t> fresh(c.size, 0x77);
    c.convert(*fr.run, ConstRecordView(old), RecordView(fresh));
  }
  return 0;
}
