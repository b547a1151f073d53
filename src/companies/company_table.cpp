#include "companies/company_table.hpp"

namespace vx::companies {

std::string register_key(ConstRecordView record) {
  return record.text(kRegisterName.offset, kRegisterName.capacity) + " " +
         record.text(kRegisterDirectory.offset, kRegisterDirectory.capacity);
}

bool safe_directory_name(const std::string& dir) {
  if (dir.empty() || dir == "." || dir == "..") return false;
  return dir.find_first_of("\\/:") == std::string::npos;
}

}  // namespace vx::companies
