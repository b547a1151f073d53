#pragma once
// Writes a sample 2017 installation (register, companies, global files) and
// an empty 2018 installation, for trying the program and for benchmarks.
#include <cstdint>
#include <string>

namespace vx::sample {

struct OfficeShape {
  int companies = 4;
  int persons = 6;      // per company
  int documents = 12;   // per month file
  std::uint32_t seed = 2017;
};

inline constexpr int kMaxCompanies = 9999;  // directory names hold four digits

// Creates <root>/WEX_2017 and <root>/WEX_2018; false with a message on
// standard error when a file cannot be written.
bool write_sample_office(const std::string& root, const OfficeShape& shape);

}  // namespace vx::sample
