// Same-length records: only their text fields change.
#include "conversion/in_place_layouts.hpp"
#include "conversion/record_converters.hpp"
#include "recordfile/text_fields.hpp"

namespace vx::conversion {

namespace {
bool convert_in_place(const charset::Charsets& cs, RecordView rec, std::span<const TextField> texts) {
  convert_texts(rec, texts, cs);
  return true;
}
}  // namespace

bool convert_advance_payments(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kAdvancePaymentTexts);
}
bool convert_one_off_write_off(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kOneOffWriteOffTexts);
}
bool convert_interest_note(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kInterestNoteTexts);
}
bool convert_vat_vehicle(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kVatVehicleTexts);
}
bool convert_vat26_vehicle(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kVat26VehicleTexts);
}
bool convert_fixed_asset(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kFixedAssetTexts);
}
bool convert_fixed_asset_settings(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kFixedAssetSettingsTexts);
}
bool convert_fixed_asset_registers(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kFixedAssetRegisterTexts);
}
bool convert_mileage_settings(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kMileageSettingsTexts);
}
bool convert_mileage_address(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kMileageAddressTexts);
}
bool convert_mileage_car(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kMileageCarTexts);
}
bool convert_mileage_log(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kMileageLogTexts);
}
bool convert_mileage_trip(const charset::Charsets& cs, RecordView rec) {
  return convert_in_place(cs, rec, layout::kMileageTripTexts);
}

}  // namespace vx::conversion
