#pragma once
// Small helpers of the sample generator: records built field by field.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "recordfile/record_view.hpp"

namespace vx::sample {

using Bytes = std::vector<std::uint8_t>;

// Text of the sample in UTF-8, stored in the company's standard.
std::string encode(std::string_view utf8, bool mazovia);

class RecordSet {
 public:
  explicit RecordSet(std::size_t record_size) : size_(record_size) {}
  RecordView add();
  const Bytes& bytes() const { return bytes_; }

 private:
  std::size_t size_;
  Bytes bytes_;
};

bool save(const std::filesystem::path& p, const Bytes& bytes);
bool save_text(const std::filesystem::path& p, std::string_view text);

}  // namespace vx::sample
