#include "sample_office.hpp"

#include <filesystem>

#include "companies/company_table.hpp"
#include "sample_company.hpp"
#include "sample_global.hpp"
#include "sample_records.hpp"

namespace vx::sample {

namespace fs = std::filesystem;

namespace {

// Further company data of the register record (carried unchanged).
constexpr TextField kRegisterNip{67, 13};
constexpr std::size_t kRegisterKind = 81;      // 1..3, as TYP of the company text file
constexpr std::size_t kRegisterCreated = 82;   // packed date

void register_entry(RecordSet& reg, const Company& c) {
  RecordView r = reg.add();
  put_text(r, companies::kRegisterName, c.name, c.enc);
  r.set_text(companies::kRegisterDirectory.offset, companies::kRegisterDirectory.capacity, c.dir);
  put_text(r, companies::kRegisterInfo, c.info, c.enc);
  r.set_text(kRegisterNip.offset, kRegisterNip.capacity, c.nip);
  r.set_u8(kRegisterKind, static_cast<std::uint8_t>(1 + c.index % 3));
  r.set_date(kRegisterCreated, day(1 + c.index % 28, 1 + c.index % 12, 2005 + c.index % 12));
}

}  // namespace

bool write_sample_office(const std::string& root_text, const OfficeShape& shape) {
  const fs::path root(root_text);
  const OutDir y17(root / "WEX_2017");
  const OutDir y18(root / "WEX_2018" / "#BIN980");

  RecordSet reg(companies::kRegisterRecordSize, static_cast<std::size_t>(shape.companies));
  for (int n = 0; n < shape.companies; ++n) {
    Company c(shape, n);
    register_entry(reg, c);
    const OutDir dir = y17.sub(c.dir);
    write_company_files(c, dir);
    write_annual_settings(c, dir);
    write_personnel(c, dir);
    write_documents(c, dir);
    write_declarations(c, dir);
    write_addons(c, dir);
  }
  y17.file("SPISFIRM.DAT", reg);
  write_global_files(shape, y17.sub("#BIN970"));
  return !OutDir::totals().failed;
}

}  // namespace vx::sample
