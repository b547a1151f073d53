#pragma once
// A small 2017 and 2018 installation for end-to-end runs: the program is
// copied next to its path file, the register and the companies are written
// field by field, and the 2018 tree is read back byte by byte.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/fixture.hpp"
#include "support/program_runner.hpp"

namespace vx::test {

struct CompanyRow {
  std::string name;  // raw bytes as stored
  std::string dir;
  std::string info;
  std::string rest;  // up to 36 bytes of further data
};

Record register_record(const CompanyRow& c);
// A directory name of the register (CP852) as the file system holds it.
std::filesystem::path disk_name(const std::string& cp852);

class Office {
 public:
  Office();

  std::filesystem::path root17() const { return tmp_ / "17"; }
  std::filesystem::path root18() const { return tmp_ / "18"; }
  std::filesystem::path old_file(std::string_view rel) const { return root17() / rel; }
  std::filesystem::path new_file(std::string_view rel) const { return root18() / rel; }

  // A company in the 2017 register with a directory, an annual settings file
  // of three records and a stamp file (unless asked otherwise).
  Office& company(const CompanyRow& c, bool with_files = true);
  // Writes a file of the 2017 company directory.
  Office& file17(const std::string& dir, const std::string& name, const Bytes& bytes);
  Office& global17(const std::string& name, const Bytes& bytes, const std::string& program_dir = "#BIN970");
  // The register as written by company(); call to rewrite it after edits.
  void write_register();

  // Runs the program with the script; roots come from its path file.
  ProgramResult migrate(const std::string& script, std::vector<std::string> args = {},
                        std::map<std::string, std::string> env = {});
  // The same with the run's other settings (signals, held input) as given.
  ProgramResult migrate_with(ProgramRun run);

  std::vector<CompanyRow> companies;
  std::vector<std::string> list_file;  // the ".LST" lines, when not empty
  std::string path_file;               // the ".PTH" text, when not the two roots

 private:
  TempDir tmp_;
};

// Key scripts of the usual runs.
std::string wizard_defaults();  // pages 1 to 3 left with PgDn, F5 on page 4
std::string select_all();       // F5 on the company list
std::string finish();           // the key of "Nacisnij Enter"

Record annual_settings_record(int month_state);

}  // namespace vx::test
