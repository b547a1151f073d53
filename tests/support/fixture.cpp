#include "support/fixture.hpp"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <cstdio>
#include <random>
#include <stdexcept>

#include "charset/polish.hpp"
#include "charset/utf8.hpp"
#include "platform/filesystem.hpp"

namespace vx::test {

Bytes concat(const std::vector<Record>& records) {
  Bytes out;
  for (const auto& r : records) out.insert(out.end(), r.bytes().begin(), r.bytes().end());
  return out;
}

Bytes as_bytes(std::string_view s) { return Bytes(s.begin(), s.end()); }

TempDir::TempDir() {
  // A name nobody holds yet: create_directory fails on an existing one.
  static std::mt19937 pick{std::random_device{}()};
  const auto base = std::filesystem::temp_directory_path();
  for (int tries = 0; tries < 100; ++tries) {
    char name[16];
    std::snprintf(name, sizeof name, "vx%06x", static_cast<unsigned>(pick() & 0xFFFFFF));
    std::error_code ec;
    if (std::filesystem::create_directory(base / name, ec)) {
      path_ = base / name;
      return;
    }
  }
  throw std::runtime_error("no temporary directory could be made");
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
  if (!ec) return;
  // Tests may take permissions away; give them back and try again.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string dir_prefix(const std::filesystem::path& dir) { return dir.string() + platform::kSeparator; }

void write_file(const std::filesystem::path& p, const Bytes& bytes) {
  std::filesystem::create_directories(p.parent_path());
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + p.string());
}

void write_file(const std::filesystem::path& p, std::string_view bytes) {
  write_file(p, as_bytes(bytes));
}

Bytes read_file(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + p.string());
  return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void set_environment(const std::string& name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value.c_str());
#else
  if (value.empty())
    ::unsetenv(name.c_str());
  else
    ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

bool file_exists(const std::filesystem::path& p) { return std::filesystem::exists(p); }

std::vector<std::pair<std::string, Bytes>> snapshot_tree(const std::filesystem::path& root) {
  std::vector<std::pair<std::string, Bytes>> out;
  for (auto it = std::filesystem::recursive_directory_iterator(root); it != std::filesystem::recursive_directory_iterator(); ++it) {
    const auto& e = *it;
    // The run's own folder (lock, reports) is no data of the installation.
    if (e.path().filename() == kRunFolder) {
      if (e.is_directory()) it.disable_recursion_pending();
      continue;
    }
    // The generic form: the same names on every system.
    const auto rel = std::filesystem::relative(e.path(), root).generic_string();
    out.emplace_back(rel + (e.is_directory() ? "/" : ""),
                     e.is_regular_file() ? read_file(e.path()) : Bytes{});
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::string cp852_bytes(std::string_view utf8) { return charset::utf8_to_cp852(utf8); }

std::string mazovia(std::string_view utf8) {
  // Independent of the program's tables: the Mazovia codes written out here.
  static const std::pair<std::string_view, char> kMazovia[] = {
      {"ą", '\x86'}, {"ć", '\x8D'}, {"ę", '\x91'}, {"ł", '\x92'}, {"ń", '\xA4'}, {"ó", '\xA2'},
      {"ś", '\x9E'}, {"ż", '\xA7'}, {"ź", '\xA6'}, {"Ą", '\x8F'}, {"Ć", '\x95'}, {"Ę", '\x90'},
      {"Ł", '\x9C'}, {"Ń", '\xA5'}, {"Ó", '\xA3'}, {"Ś", '\x98'}, {"Ż", '\xA1'}, {"Ź", '\xA0'}};
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    bool done = false;
    for (const auto& [u, m] : kMazovia) {
      if (utf8.substr(i).starts_with(u)) {
        out += m;
        i += u.size();
        done = true;
        break;
      }
    }
    if (!done) out += utf8[i++];
  }
  return out;
}

}  // namespace vx::test
