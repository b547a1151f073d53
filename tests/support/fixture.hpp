#pragma once
// Builds small 2017/2018 installations in a fresh temporary directory:
// records written field by field at their offsets, files compared by bytes.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "recordfile/record_view.hpp"

namespace vx::test {

using Bytes = std::vector<std::uint8_t>;

// A record under construction: zero bytes, then fields at offsets.
class Record {
 public:
  explicit Record(std::size_t size) : bytes_(size, 0) {}
  RecordView view() { return RecordView(bytes_); }
  Record& u8(std::size_t at, std::uint8_t v) { view().set_u8(at, v); return *this; }
  Record& u16(std::size_t at, std::uint16_t v) { view().set_u16(at, v); return *this; }
  Record& u32(std::size_t at, std::uint32_t v) { view().set_u32(at, v); return *this; }
  Record& i64(std::size_t at, std::int64_t v) { view().set_i64(at, v); return *this; }
  Record& f64(std::size_t at, double v) { view().set_f64(at, v); return *this; }
  Record& date(std::size_t at, int d, int m, int y) {
    view().set_date(at, PackedDate{static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(m),
                                   static_cast<std::uint16_t>(y)});
    return *this;
  }
  // Text given as raw bytes (CP852 or Mazovia) into a field of a capacity.
  Record& text(std::size_t at, std::size_t capacity, std::string_view bytes) {
    view().set_text(at, capacity, bytes);
    return *this;
  }
  Record& fill(std::size_t at, std::size_t len, std::uint8_t v) { view().fill(at, len, v); return *this; }
  const Bytes& bytes() const { return bytes_; }
  Bytes& bytes() { return bytes_; }

 private:
  Bytes bytes_;
};

Bytes concat(const std::vector<Record>& records);
Bytes as_bytes(std::string_view s);

// A fresh directory removed at the end of the test; short path, since the
// wizard's location fields are 50 columns.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  std::filesystem::path operator/(std::string_view rel) const { return path_ / rel; }

 private:
  std::filesystem::path path_;
};

// A directory as the program's paths begin with it: its name and the
// system's separator ("/tmp/a/", "C:\Temp\a\").
std::string dir_prefix(const std::filesystem::path& dir);

void write_file(const std::filesystem::path& p, const Bytes& bytes);
void write_file(const std::filesystem::path& p, std::string_view bytes);
Bytes read_file(const std::filesystem::path& p);
bool file_exists(const std::filesystem::path& p);

// Snapshot of every file under a directory, for "left untouched" checks.
// Every entry below root with its bytes, in name order; the run folder
// "VX1718" of a 2018 root left out.
inline constexpr const char* kRunFolder = "VX1718";
std::vector<std::pair<std::string, Bytes>> snapshot_tree(const std::filesystem::path& root);

// Sets a variable of the test's own environment; empty removes it.
void set_environment(const std::string& name, const std::string& value);

// Mazovia and CP852 forms of a few Polish words used across the tests.
std::string mazovia(std::string_view utf8);
std::string cp852_bytes(std::string_view utf8);

}  // namespace vx::test
