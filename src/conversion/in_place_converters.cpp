// Same-length records: only their text fields change.
#include "conversion/in_place_layouts.hpp"
#include "conversion/record_converters.hpp"
#include "conversion/text_fields.hpp"

namespace vx::conversion {

namespace {
bool convert_in_place(Session& run, RecordView rec, std::span<const TextField> texts) {
  convert_texts(rec, texts, run.cs);
  return true;
}
}  // namespace

bool convert_advance_payments(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kAdvancePaymentTexts);
}
bool convert_one_off_write_off(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kOneOffWriteOffTexts);
}
bool convert_interest_note(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kInterestNoteTexts);
}
bool convert_vat_vehicle(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kVatVehicleTexts);
}
bool convert_vat26_vehicle(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kVat26VehicleTexts);
}
bool convert_fixed_asset(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kFixedAssetTexts);
}
bool convert_fixed_asset_settings(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kFixedAssetSettingsTexts);
}
bool convert_fixed_asset_registers(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kFixedAssetRegisterTexts);
}
bool convert_mileage_settings(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kMileageSettingsTexts);
}
bool convert_mileage_address(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kMileageAddressTexts);
}
bool convert_mileage_car(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kMileageCarTexts);
}
bool convert_mileage_log(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kMileageLogTexts);
}
bool convert_mileage_trip(Session& run, RecordView rec) {
  return convert_in_place(run, rec, layout::kMileageTripTexts);
}

}  // namespace vx::conversion
