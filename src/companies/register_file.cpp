#include "companies/register_file.hpp"

#include <algorithm>

#include "companies/company_table.hpp"

namespace vx::companies {

void RegisterClass::key(ConstRecordView record, std::string& out) const {
  // Name, one blank, directory.
  const auto text = [&record](TextField f) {
    const std::size_t len = std::min<std::size_t>(record.u8(f.offset), f.capacity);
    return std::string_view(reinterpret_cast<const char*>(record.bytes().data() + f.offset + 1), len);
  };
  out.assign(text(kRegisterName));
  out += ' ';
  out += text(kRegisterDirectory);
}

const recordfile::RecordClass& register_class() {
  static const RegisterClass cls;
  return cls;
}

}  // namespace vx::companies
