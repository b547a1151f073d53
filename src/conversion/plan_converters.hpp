#pragma once
// Which converter, filter or step serves which file of the copy plan.
#include <string>

#include "conversion/company_paths.hpp"
#include "transfer/converters.hpp"

namespace vx::conversion::plan {

// Record converters.
bool advance_payment(Run&, RecordView);
bool company_record(Run&, ConstRecordView, RecordView);
bool address_record(Run&, ConstRecordView, RecordView);
bool automat_record(Run&, ConstRecordView, RecordView);
bool transfer_record(Run&, ConstRecordView, RecordView);
bool write_off_record(Run&, RecordView);
bool internal_voucher_record(Run&, ConstRecordView, RecordView);
bool interest_note_record(Run&, RecordView);
bool vehicle_record(Run&, RecordView);
bool vat26_vehicle_record(Run&, RecordView);
bool note_record(Run&, ConstRecordView, RecordView);
bool document_record(Run&, ConstRecordView, RecordView);
bool repayment_record(Run&, ConstRecordView, RecordView);
bool fixed_asset_record(Run&, RecordView);
bool fixed_asset_settings(Run&, RecordView);
bool fixed_asset_register_list(Run&, RecordView);
bool mileage_settings(Run&, RecordView);
bool mileage_address(Run&, RecordView);
bool mileage_car(Run&, RecordView);
bool mileage_log(Run&, RecordView);
bool mileage_trip(Run&, RecordView);

// Personnel filters.
void reset_personnel(Run&);
bool person_filter(Run&, ConstRecordView, RecordView);
bool family_filter(Run&, ConstRecordView, RecordView);
bool wage_list_settings_filter(Run&, RecordView);
bool wage_filter(Run&, RecordView);
bool contract_filter(Run&, RecordView);
bool pid5_filter(Run&, ConstRecordView, RecordView);
bool pit28_filter(Run&, ConstRecordView, RecordView);

// Steps with a logic of their own.
void convert_annual_settings(Run&, const std::string& company_dir);
void rewrite_company_text(Run&, const std::string& company_dir);
void convert_vat7(Run&, const CompanyPaths&);
void carry_dra_declarations(Run&, const std::string& company_dir);
void hide_converted_file(Run&, const std::string& path);
void carry_fixed_asset_registers(Run&, const std::string& company_dir);
// Start of a company: per-company conversion state reset.
void start_company(Run&);
bool from_2018_files(const Run&);
// Month names: 0 "-", 1..12 the months, 13 "Zestawienie".
std::string month_name(int month);

}  // namespace vx::conversion::plan
