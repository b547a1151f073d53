#pragma once
// Which converter, filter or step serves which file of the copy plan.
#include <string>

#include "conversion/company_paths.hpp"
#include "conversion/dra_declarations.hpp"
#include "conversion/fixed_asset_record.hpp"
#include "conversion/fixed_asset_registers.hpp"
#include "conversion/hide_converted.hpp"
#include "conversion/month_names.hpp"
#include "conversion/vat7_declaration.hpp"
#include "personnel/family_filter.hpp"
#include "personnel/person_filter.hpp"
#include "personnel/personnel_state.hpp"
#include "personnel/pit_filters.hpp"
#include "personnel/wage_filters.hpp"
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
bool fixed_asset_settings(Run&, RecordView);
bool fixed_asset_register_list(Run&, RecordView);
bool mileage_settings(Run&, RecordView);
bool mileage_address(Run&, RecordView);
bool mileage_car(Run&, RecordView);
bool mileage_log(Run&, RecordView);
bool mileage_trip(Run&, RecordView);

inline constexpr transfer::SameSizeConverter fixed_asset_record = convert_fixed_asset_record;

// Personnel filters.
using personnel::contract_filter;
using personnel::family_filter;
using personnel::person_filter;
using personnel::pid5_filter;
using personnel::pit28_filter;
using personnel::reset_personnel;
using personnel::wage_filter;
using personnel::wage_list_settings_filter;

// Steps with a logic of their own.
void convert_annual_settings(Run&, const std::string& company_dir);
void rewrite_company_text(Run&, const std::string& company_dir);
using conversion::carry_dra_declarations;
using conversion::carry_fixed_asset_registers;
using conversion::convert_vat7_declarations;
using conversion::hide_converted_file;
// Start of a company: per-company conversion state reset.
void start_company(Run&);
using personnel::from_2018_files;
inline std::string month_name(int month) { return std::string(kMonthNames[static_cast<std::size_t>(month)]); }

}  // namespace vx::conversion::plan
