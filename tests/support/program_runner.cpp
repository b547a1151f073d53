#include "support/program_runner.hpp"

#include <fstream>
#include <sstream>

namespace vx::test {

std::string slurp_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

std::vector<std::vector<std::string>> split_screens(const std::string& out) {
  std::vector<std::vector<std::string>> screens;
  std::istringstream in(out);
  std::string line;
  std::vector<std::string>* current = nullptr;
  while (std::getline(in, line)) {
    if (line.starts_with("--- screen ")) {
      screens.emplace_back();
      current = &screens.back();
      continue;
    }
    if (line.starts_with("--- ")) {
      current = nullptr;
      continue;
    }
    if (current && current->size() < 25) current->push_back(line);
  }
  return screens;
}

bool ProgramResult::shows(const std::string& text) const { return count(text) > 0; }

int ProgramResult::count(const std::string& text) const {
  int n = 0;
  for (const auto& s : screens)
    for (const auto& row : s)
      if (row.find(text) != std::string::npos) ++n;
  return n;
}

}  // namespace vx::test
