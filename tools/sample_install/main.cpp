// vx-sample: writes a sample 2017 installation and an empty 2018 one.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "sample_office.hpp"

namespace {
int usage() {
  std::cerr << "usage: vx-sample DIR [--companies N] [--persons P] [--docs D] [--seed S]\n"
               "                     [--pth PROGRAM.PTH]\n"
               "Writes DIR/WEX_2017 (register, companies, #BIN970) and DIR/WEX_2018.\n"
               "--pth writes a path file naming both roots, for the program next to it.\n";
  return 2;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  vx::sample::OfficeShape shape;
  std::string root = argv[1];
  std::string pth;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return usage();
    const std::string v = argv[++i];
    if (a == "--companies") shape.companies = std::atoi(v.c_str());
    else if (a == "--persons") shape.persons = std::atoi(v.c_str());
    else if (a == "--docs") shape.documents = std::atoi(v.c_str());
    else if (a == "--seed") shape.seed = static_cast<std::uint32_t>(std::strtoul(v.c_str(), nullptr, 10));
    else if (a == "--pth") pth = v;
    else return usage();
  }
  if (shape.companies < 1 || shape.persons < 0 || shape.documents < 0) return usage();
  if (!vx::sample::write_sample_office(root, shape)) return 1;
  if (!pth.empty()) {
    std::ofstream f(pth, std::ios::trunc);
    f << "WEX_2017=" << root << "/WEX_2017\r\nWEX_2018=" << root << "/WEX_2018\r\n";
    if (!f) {
      std::cerr << "vx-sample: cannot write " << pth << '\n';
      return 1;
    }
  }
  std::cout << "sample installation written to " << root << '\n';
  return 0;
}
