#include "companies/register_file.hpp"

#include "companies/company_table.hpp"

namespace vx::companies {

std::string RegisterClass::key(ConstRecordView record) const { return register_key(record); }

const recordfile::RecordClass& register_class() {
  static const RegisterClass cls;
  return cls;
}

}  // namespace vx::companies
