#pragma once
// What the register and the company loop work with: one company's
// conversion, the record-file layer, the table of companies and the
// register's file name.
#include <string>

#include "companies/company_table.hpp"
#include "conversion/company_job.hpp"
#include "recordfile/file_access.hpp"

namespace vx::companies {

struct OfficeJob {
  conversion::CompanyJob& company;
  recordfile::FileAccess& files;
  CompanyTable& table;
  const std::string& register_file_name;
};

}  // namespace vx::companies
