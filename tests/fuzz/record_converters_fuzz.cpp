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

struct TwoSize {
  bool (*convert)(const charset::Charsets&, ConstRecordView, RecordView);
  std::size_t size;
};

const layout::InPlaceLayout* const kSameSize[] = {
    &layout::kAdvancePayment,     &layout::kOneOffWriteOff,  &layout::kInterestNote,
    &layout::kVatVehicle,         &layout::kVat26Vehicle,    &layout::kFixedAsset,
    &layout::kFixedAssetSettings, &layout::kFixedAssetRegister, &layout::kMileageSettings,
    &layout::kMileageAddress,     &layout::kMileageCar,      &layout::kMileageLog,
    &layout::kMileageTrip,
};
const TwoSize kTwoSize[] = {
    {convert_company, transfer::kCompanyRecordSize},
    {convert_address, layout::kAddressSize},
    {convert_tax_office, layout::kAddressSize},
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
  data += 2;
  size -= 2;
  if (pick < kSameCount) {
    auto rec = record_of(data, size, kSameSize[pick]->size);
    convert_in_place(*kSameSize[pick], fr.run->cs, RecordView(rec));
  } else {
    const TwoSize& c = kTwoSize[pick - kSameCount];
    const auto old = record_of(data, size, c.size);
    std::vector<std::uint8_t> fresh(c.size, 0x77);
    c.convert(fr.run->cs, ConstRecordView(old), RecordView(fresh));
  }
  return 0;
}
