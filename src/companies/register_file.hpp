#pragma once
// The company register as a record file kept in Polish order of its keys.
#include "recordfile/record_file.hpp"

namespace vx::companies {

class RegisterClass final : public recordfile::RecordClass {
 public:
  void key(ConstRecordView record, std::string& out) const override;
};

const recordfile::RecordClass& register_class();

}  // namespace vx::companies
