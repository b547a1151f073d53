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

namespace vx::conversion::plan {

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

inline std::string month_name(int month) { return std::string(kMonthNames[static_cast<std::size_t>(month)]); }

}  // namespace vx::conversion::plan
