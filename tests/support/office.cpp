#include "support/office.hpp"

#include <cstdlib>
#include <fstream>

#include "charset/utf8.hpp"

namespace vx::test {

Record register_record(const CompanyRow& c) {
  Record r(103);
  r.text(0, 31, c.name).text(32, 8, c.dir).text(41, 25, c.info);
  for (std::size_t i = 0; i < c.rest.size() && i < 36; ++i) r.u8(67 + i, static_cast<std::uint8_t>(c.rest[i]));
  return r;
}

Record annual_settings_record(int month_state) {
  Record r(512);
  r.u8(3, static_cast<std::uint8_t>(month_state));
  return r;
}

Office::Office() {
  // An installation always has its program subdirectory.
  std::filesystem::create_directories(root17() / "#BIN970");
  std::filesystem::create_directories(root18());
}

// A directory name of the register (CP852) as the file system holds it.
// UTF-8 on Linux; the same letters in the wide names of Windows.
std::filesystem::path disk_name(const std::string& cp852) {
  const std::string utf8 = charset::cp852_text_to_utf8(cp852);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

Office& Office::company(const CompanyRow& c, bool with_files) {
  companies.push_back(c);
  const auto dir = root17() / disk_name(c.dir);
  std::filesystem::create_directories(dir);
  if (with_files) {
    write_file(dir / "2017_ROK.REK", concat({annual_settings_record(13), Record(512), Record(512)}));
    Record stamp(256);
    stamp.u16(0, 2017).u16(2, 2017).u16(4, 2017).u8(6, 9).u8(7, 0).fill(8, 248, 0x5A);
    write_file(dir / "_vx_wex.rek", stamp.bytes());
  }
  write_register();
  return *this;
}

Office& Office::file17(const std::string& dir, const std::string& name, const Bytes& bytes) {
  write_file(root17() / disk_name(dir) / name, bytes);
  return *this;
}

Office& Office::global17(const std::string& name, const Bytes& bytes, const std::string& program_dir) {
  write_file(root17() / program_dir / name, bytes);
  return *this;
}

void Office::write_register() {
  std::vector<Record> rows;
  for (const auto& c : companies) rows.push_back(register_record(c));
  write_file(root17() / "SPISFIRM.DAT", concat(rows));
}

ProgramResult Office::migrate(const std::string& script, std::vector<std::string> args,
                              std::map<std::string, std::string> env) {
  return migrate_with({.arguments = std::move(args), .script = script, .environment = std::move(env)});
}

ProgramResult Office::migrate_with(ProgramRun run) {
  const auto bin = tmp_.path() / "bin";
  std::filesystem::create_directories(bin);
  const auto program = bin / "vx17-18";
  if (!std::filesystem::exists(program))
    std::filesystem::copy_file(VX_PROGRAM, program);
  std::string pth = "WEX_2017=" + root17().string() + "\r\nWEX_2018=" + root18().string() + "\r\n";
  write_file(bin / "vx17-18.PTH", path_file.empty() ? pth : path_file);
  if (!list_file.empty()) {
    std::string lst;
    for (const auto& l : list_file) lst += l + "\r\n";
    write_file(bin / "vx17-18.LST", lst);
  }
  run.program = program.string();
  run.working_dir = tmp_.str();
  auto result = run_program(run);
  // VX_TEST_DUMP=file keeps the last run's screens for a look after a failure.
  if (const char* dump = std::getenv("VX_TEST_DUMP")) write_file(dump, result.output + result.errors);
  return result;
}

std::string wizard_defaults() { return "PgDn\nPgDn\nPgDn\nF5\n"; }
std::string select_all() { return "F5\n"; }
std::string finish() { return "Enter\n"; }

}  // namespace vx::test
