// vx-sample: writes a sample 2017 installation and an empty 2018 one.
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "sample_files.hpp"
#include "sample_office.hpp"

namespace {

int usage() {
  std::cerr << "usage: vx-sample DIR [--companies N] [--persons P] [--docs D] [--seed S]\n"
               "                     [--pth PROGRAM.PTH]\n"
               "Writes DIR/WEX_2017 (register, N companies, #BIN970) and DIR/WEX_2018/#BIN980.\n"
               "Each company has P persons and D documents in each month file;\n"
               "the same seed always gives the same files (defaults: 4, 6, 12, 2017).\n"
               "--pth writes a path file naming both roots, for the program next to it.\n";
  return 2;
}

template <typename T>
bool parse(const std::string& text, T& out, T low, T high) {
  T v{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < low || v > high) return false;
  out = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return usage();
  vx::sample::OfficeShape shape;
  const std::string root = argv[1];
  std::string pth;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return usage();
    const std::string v = argv[++i];
    bool ok = true;
    if (a == "--companies") ok = parse(v, shape.companies, 1, vx::sample::kMaxCompanies);
    else if (a == "--persons") ok = parse(v, shape.persons, 0, 20000);
    else if (a == "--docs") ok = parse(v, shape.documents, 0, 100000);
    else if (a == "--seed") ok = parse<std::uint32_t>(v, shape.seed, 0, UINT32_MAX);
    else if (a == "--pth") pth = v;
    else ok = false;
    if (!ok) return usage();
  }
  const auto start = std::chrono::steady_clock::now();
  if (!vx::sample::write_sample_office(root, shape)) return 1;
  if (!pth.empty()) {
    // Absolute roots: the program may be started from anywhere.
    std::filesystem::path where = std::filesystem::absolute(root).lexically_normal();
    if (!where.has_filename()) where = where.parent_path();  // "dir/" names dir
    // Binary: the lines end in CR LF as written, on every system.
    std::ofstream f(pth, std::ios::binary | std::ios::trunc);
    f << "WEX_2017=" << (where / "WEX_2017").string() << "\r\nWEX_2018=" << (where / "WEX_2018").string() << "\r\n";
    f.close();
    if (!f) {
      std::cerr << "vx-sample: cannot write " << pth << '\n';
      return 1;
    }
  }
  const auto& totals = vx::sample::OutDir::totals();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::cout << "sample installation written to " << root << ": " << shape.companies << " companies, "
            << totals.files << " files, " << (totals.bytes + 512 * 1024) / (1024 * 1024) << " MB in "
            << ms.count() << " ms\n";
  return 0;
}
