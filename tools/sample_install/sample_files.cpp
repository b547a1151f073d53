#include "sample_files.hpp"

#include <fstream>
#include <iostream>

#include "charset/polish.hpp"
#include "charset/utf8.hpp"

namespace vx::sample {

std::string encode(std::string_view utf8, bool mazovia) {
  const std::string cp = charset::utf8_to_cp852(utf8);
  if (!mazovia) return cp;
  // CP852 to Mazovia: the reverse of the conversion the program performs.
  const charset::Charsets back{1, charset::kCp852, charset::kMazovia};
  return charset::convert_text(back, cp);
}

RecordView RecordSet::add() {
  bytes_.resize(bytes_.size() + size_, 0);
  return RecordView(std::span<std::uint8_t>(bytes_.data() + bytes_.size() - size_, size_));
}

bool save(const std::filesystem::path& p, const Bytes& bytes) {
  std::error_code ec;
  std::filesystem::create_directories(p.parent_path(), ec);
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  f.close();
  if (!f) {
    std::cerr << "vx-sample: cannot write " << p << '\n';
    return false;
  }
  return true;
}

bool save_text(const std::filesystem::path& p, std::string_view text) {
  return save(p, Bytes(text.begin(), text.end()));
}

}  // namespace vx::sample
