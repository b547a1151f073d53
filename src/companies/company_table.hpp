#pragma once
// The company register's records and the table of companies offered for
// copying.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "recordfile/record_view.hpp"

namespace vx::companies {

// Register record (103 bytes): name, data subdirectory, short description,
// further company data carried unchanged.
inline constexpr std::size_t kRegisterRecordSize = 103;
inline constexpr TextField kRegisterName{0, 31};
inline constexpr TextField kRegisterDirectory{32, 8};
inline constexpr TextField kRegisterInfo{41, 25};
inline constexpr std::size_t kMaxCompanies = 2048;

struct CompanyEntry {
  std::array<std::uint8_t, kRegisterRecordSize> record{};
  std::uint8_t selected = 1;

  ConstRecordView view() const { return ConstRecordView(record); }
  RecordView view() { return RecordView(record); }
  std::string name() const { return view().text(kRegisterName.offset, kRegisterName.capacity); }
  std::string directory() const { return view().text(kRegisterDirectory.offset, kRegisterDirectory.capacity); }
  std::string info() const { return view().text(kRegisterInfo.offset, kRegisterInfo.capacity); }
};

struct CompanyTable {
  std::vector<CompanyEntry> entries;  // in register order
  bool register_damaged = false;
};

// Whether a directory name from the register stays inside a data root.
bool safe_directory_name(const std::string& dir);

}  // namespace vx::companies
