#pragma once
// Small helpers of the sample generator: records built field by field in
// memory, texts in the company's standard, whole files written at once.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "recordfile/record_view.hpp"

namespace vx::sample {

using Bytes = std::vector<std::uint8_t>;

// Sample texts are written in UTF-8 and stored as CP852 or, for the older
// companies, as Mazovia.
class Encoder {
 public:
  explicit Encoder(bool mazovia) : mazovia_(mazovia) {}
  bool mazovia() const { return mazovia_; }
  std::string operator()(std::string_view utf8) const;

 private:
  bool mazovia_;
};

// Records of one length, appended to one buffer.
class RecordSet {
 public:
  explicit RecordSet(std::size_t record_size, std::size_t expected = 0) : size_(record_size) {
    bytes_.reserve(record_size * expected);
  }
  RecordView add();
  std::size_t count() const { return bytes_.size() / size_; }
  const Bytes& bytes() const { return bytes_; }

 private:
  std::size_t size_;
  Bytes bytes_;
};

// Packed date from plain numbers.
PackedDate day(int d, int m, int y);

// Writes the files of one directory, each with one write call; remembers a
// failure (reported on standard error) and counts what was written.
class OutDir {
 public:
  explicit OutDir(std::filesystem::path dir);
  const std::filesystem::path& path() const { return dir_; }
  OutDir sub(std::string_view name) const { return OutDir(dir_ / name); }
  void file(std::string_view name, std::span<const std::uint8_t> bytes) const;
  void file(std::string_view name, const RecordSet& records) const { file(name, records.bytes()); }
  void text(std::string_view name, std::string_view bytes) const;

  struct Totals {
    std::size_t files = 0;
    std::uint64_t bytes = 0;
    bool failed = false;
  };
  static const Totals& totals() { return totals_; }

 private:
  std::filesystem::path dir_;
  static Totals totals_;
};

}  // namespace vx::sample
