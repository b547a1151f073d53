#pragma once
// The further registers of the fixed-asset add-on, listed in "stbazy.rek",
// each a file of fixed-asset records of its own.
#include <cstddef>
#include <string_view>

#include "conversion/company_job.hpp"
#include "recordfile/record_view.hpp"

namespace vx::conversion {

namespace register_list {
inline constexpr auto kName = "stbazy.rek";
inline constexpr std::size_t kRecordSize = 367;
// The register's file base name; the file is base name + ".REK".
inline constexpr TextField kBaseName{51, 12};
// The main register, carried by its own step.
inline constexpr auto kMainRegister = "SRODKI";
inline constexpr auto kExtension = ".REK";
}  // namespace register_list

// Carries every register listed in the company's 2017 "stbazy.rek" but the
// main one; a base name that would lead out of the company directory is
// reported and skipped.
void carry_fixed_asset_registers(CompanyJob& job, std::string_view company_dir);

// True when the base name names a file inside the company directory.
bool is_plain_base_name(std::string_view name);

}  // namespace vx::conversion
