#pragma once
// The transfer steps of the copy plan, in their order.
#include "conversion/company_job.hpp"
#include "conversion/company_paths.hpp"

namespace vx::conversion {

void run_transfer_steps(CompanyJob& job, const CompanyPaths& paths);

// A name with ">" names the 2017 file before it and the 2018 file after it.
void copy_named(CompanyJob& job, const CompanyPaths& paths, std::string_view name, bool convert);
// Every entry of the 2017 company directory matching the mask, byte-copied.
void copy_matching(CompanyJob& job, const CompanyPaths& paths, std::string_view mask, bool convert);

}  // namespace vx::conversion
