#include "sample_files.hpp"

#include <cstdio>
#include <fstream>
#include <iostream>

#include "charset/polish.hpp"
#include "charset/utf8.hpp"

namespace vx::sample {

std::string Encoder::operator()(std::string_view utf8) const {
  std::string text = charset::utf8_to_cp852(utf8);
  if (mazovia_) {
    // The reverse of the conversion the program performs.
    static const charset::Charsets back{1, charset::kCp852, charset::kMazovia};
    charset::conversion_map(back).apply(text);
  }
  return text;
}

RecordView RecordSet::add() {
  bytes_.resize(bytes_.size() + size_, 0);
  return RecordView(std::span<std::uint8_t>(bytes_.data() + bytes_.size() - size_, size_));
}

PackedDate day(int d, int m, int y) {
  return {static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(m), static_cast<std::uint16_t>(y)};
}

OutDir::Totals OutDir::totals_;

OutDir::OutDir(std::filesystem::path dir) : dir_(std::move(dir)) {
  std::error_code ec;
  std::filesystem::create_directories(dir_, ec);
  if (ec) {
    std::cerr << "vx-sample: cannot create " << dir_ << ": " << ec.message() << '\n';
    totals_.failed = true;
  }
}

void OutDir::file(std::string_view name, std::span<const std::uint8_t> bytes) const {
  const std::filesystem::path p = dir_ / name;
  // The stream takes the path in the system's own form (wide on Windows).
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  if (f && !bytes.empty())
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  f.close();
  if (!f) {
    std::cerr << "vx-sample: cannot write " << p << '\n';
    totals_.failed = true;
    return;
  }
  ++totals_.files;
  totals_.bytes += bytes.size();
}

void OutDir::text(std::string_view name, std::string_view bytes) const {
  file(name, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

}  // namespace vx::sample
