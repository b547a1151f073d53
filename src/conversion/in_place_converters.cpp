// Same-length records: only their text fields change.
#include "conversion/in_place_layouts.hpp"
#include "conversion/record_converters.hpp"
#include "conversion/text_fields.hpp"

namespace vx::conversion {

namespace {
bool convert_in_place(Run& run, RecordView rec, std::span<const TextField> texts) {
  convert_texts(rec, texts, run.cs);
  return true;
}
}  // namespace

bool convert_advance_payments(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kAdvancePaymentTexts);
}
bool convert_one_off_write_off(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kOneOffWriteOffTexts);
}
bool convert_interest_note(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kInterestNoteTexts);
}
bool convert_vat_vehicle(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kVatVehicleTexts);
}
bool convert_vat26_vehicle(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kVat26VehicleTexts);
}
bool convert_fixed_asset(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kFixedAssetTexts);
}
bool convert_fixed_asset_settings(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kFixedAssetSettingsTexts);
}
bool convert_fixed_asset_registers(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kFixedAssetRegisterTexts);
}
bool convert_mileage_settings(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kMileageSettingsTexts);
}
bool convert_mileage_address(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kMileageAddressTexts);
}
bool convert_mileage_car(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kMileageCarTexts);
}
bool convert_mileage_log(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kMileageLogTexts);
}
bool convert_mileage_trip(Run& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kMileageTripTexts);
}

}  // namespace vx::conversion
