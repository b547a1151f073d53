#include "companies/company_table.hpp"

namespace vx::companies {

bool safe_directory_name(const std::string& dir) {
  if (dir.empty() || dir == "." || dir == "..") return false;
  return dir.find_first_of("\\/:") == std::string::npos;
}

}  // namespace vx::companies
