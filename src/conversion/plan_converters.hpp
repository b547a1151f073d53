#pragma once
// Which converter, filter or step serves which file of the copy plan.
#include <string>

#include "conversion/annual_settings.hpp"
#include "conversion/company_text.hpp"
#include "conversion/document_converter.hpp"
#include "conversion/dra_declarations.hpp"
#include "conversion/fixed_asset_registers.hpp"
#include "conversion/hide_converted.hpp"
#include "conversion/month_names.hpp"
#include "conversion/record_converters.hpp"
#include "conversion/vat7_declaration.hpp"
#include "personnel/family_filter.hpp"
#include "personnel/person_filter.hpp"
#include "personnel/personnel_state.hpp"
#include "personnel/pit_filters.hpp"
#include "personnel/wage_filters.hpp"
#include "transfer/converters.hpp"

namespace vx::conversion::plan {

// Record converters of the company files.
inline constexpr transfer::SameSizeConverter advance_payment = convert_advance_payments;
inline constexpr transfer::TwoSizeConverter company_record = convert_company;
inline constexpr transfer::TwoSizeConverter address_record = convert_address;
inline constexpr transfer::TwoSizeConverter automat_record = convert_automat;
inline constexpr transfer::TwoSizeConverter transfer_record = convert_transfer_order;
inline constexpr transfer::SameSizeConverter write_off_record = convert_one_off_write_off;
inline constexpr transfer::TwoSizeConverter internal_voucher_record = convert_internal_voucher;
inline constexpr transfer::SameSizeConverter interest_note_record = convert_interest_note;
inline constexpr transfer::SameSizeConverter vehicle_record = convert_vat_vehicle;
inline constexpr transfer::SameSizeConverter vat26_vehicle_record = convert_vat26_vehicle;
inline constexpr transfer::TwoSizeConverter note_record = convert_correction_note;
inline constexpr transfer::TwoSizeConverter document_record = convert_document;
inline constexpr transfer::TwoSizeConverter repayment_record = convert_repayment;
inline constexpr transfer::SameSizeConverter fixed_asset_record = convert_fixed_asset;
inline constexpr transfer::SameSizeConverter fixed_asset_settings = convert_fixed_asset_settings;
inline constexpr transfer::SameSizeConverter fixed_asset_register_list = convert_fixed_asset_registers;
inline constexpr transfer::SameSizeConverter mileage_settings = convert_mileage_settings;
inline constexpr transfer::SameSizeConverter mileage_address = convert_mileage_address;
inline constexpr transfer::SameSizeConverter mileage_car = convert_mileage_car;
inline constexpr transfer::SameSizeConverter mileage_log = convert_mileage_log;
inline constexpr transfer::SameSizeConverter mileage_trip = convert_mileage_trip;

// Personnel filters.
using personnel::contract_filter;
using personnel::family_filter;
using personnel::person_filter;
using personnel::pid5_filter;
using personnel::pit28_filter;
using personnel::report_lack_of_room;
using personnel::reset_personnel;
using personnel::wage_filter;
using personnel::wage_list_settings_filter;

// Steps with a logic of their own.
using conversion::carry_dra_declarations;
using conversion::carry_fixed_asset_registers;
using conversion::convert_annual_settings;
using conversion::convert_vat7_declarations;
using conversion::hide_converted_file;
using conversion::rewrite_company_text;
using conversion::start_document_file;

inline void start_company(Session& run) { run.conversion.start_company(); }
inline bool from_2018_files(const Session& run) { return run.conversion.from_2018_files; }
inline std::string month_name(int month) { return std::string(kMonthNames[static_cast<std::size_t>(month)]); }

}  // namespace vx::conversion::plan
