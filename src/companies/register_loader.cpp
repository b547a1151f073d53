#include "companies/register_loader.hpp"

#include "charset/cp852.hpp"
#include "companies/company_staging.hpp"
#include "companies/register_file.hpp"
#include "conversion/hide_converted.hpp"
#include "platform/filesystem.hpp"
#include "platform/program_exit.hpp"
#include "recordfile/record_file.hpp"
#include "transfer/file_presence.hpp"

namespace vx::companies {

using namespace transfer;

namespace {

[[noreturn]] void end_program() { throw platform::ProgramExit{0}; }

// Opens the 2017 register and hands take every record read, as long as the
// table has room. Ends the program when the register cannot be read at all.
template <class Take>
void read_register(OfficeJob& office, Take take) {
  auto& table = office.table;
  table.entries.clear();
  office.company.talk.new_page();
  office.company.talk.line(cp852("ROZPOZNANIE ŚRODOWISKA PRACY WEX 2017"));
  office.company.talk.line("");
  remove_abandoned_staging(office);

  const std::string path = office.company.loc.source_root + office.register_file_name;
  auto& settings = office.files.settings;
  recordfile::set_access_mode(settings, recordfile::exclusive_read_mode(settings));
  recordfile::RecordFile reg(office.files, path, kRegisterRecordSize, register_class());
  const bool opened = reg.open(recordfile::LockWait::kRetry, recordfile::OpenMode::kOpenExisting);
  recordfile::restore_access_mode(settings);
  if (!opened) {
    office.company.talk.line(cp852("Błąd otwarcia/dostępu do pliku ") + path);
    const std::string lines[] = {cp852("Brak dostępu do pliku").str(), path};
    office.company.talk.report(lines);
    end_program();
  }
  const long count = reg.seek_end();
  if (count < 0) {
    office.company.talk.line(cp852("Błąd okreslenia długości pliku ") + office.register_file_name);
    reg.close();
    office.company.talk.acknowledge();
    end_program();
  }
  if (count == 0) {
    office.company.talk.line(cp852("Zerowa długość pliku ") + office.register_file_name);
    reg.close();
    office.company.talk.acknowledge();
    end_program();
  }

  std::array<std::uint8_t, kRegisterRecordSize> record{};
  // The two roots are read once for all the companies' folders.
  const platform::ListingScope listings;
  for (long i = 0; i < count; ++i) {
    if (table.entries.size() >= kMaxCompanies) {
      office.company.talk.line(cp852("Przekroczona maksymalna ilość firm ") + "2048");
      break;
    }
    if (reg.read(i, record)) take(record);
  }
  reg.close();

  if (table.entries.empty()) {
    office.company.talk.line(cp852("Zerowa ilość odczytanych firm"));
    office.company.talk.acknowledge();
  }
}

void list_company(CompanyTable& table, const std::array<std::uint8_t, kRegisterRecordSize>& record) {
  CompanyEntry entry;
  entry.record = record;
  entry.selected = 1;
  table.entries.push_back(entry);
}

}  // namespace

int load_register(OfficeJob& office) {
  auto& table = office.table;
  read_register(office, [&](const std::array<std::uint8_t, kRegisterRecordSize>& record) {
    const ConstRecordView view(record);
    const std::string dir = view.text(kRegisterDirectory.offset, kRegisterDirectory.capacity);
    const std::string name = view.text(kRegisterName.offset, kRegisterName.capacity);
    // A directory name that would lead outside the data roots is refused like
    // a missing one.
    const bool safe = safe_directory_name(dir);
    if (safe && directory_exists(office.company.loc.target_root + dir)) {
      office.company.talk.line(cp852("Odnaleziono katalog docelowy ") + dir + cp852(" dla firmy ") + name);
      // A run stopped after putting the company in place still owes the hiding.
      conversion::finish_pending_hides(office.company, dir);
      return;
    }
    if (!safe || !directory_exists(office.company.loc.source_root + dir)) {
      office.company.talk.line(cp852("Brak katalogu zródłowego    ") + dir + cp852(" dla firmy ") + name);
      table.register_damaged = true;
      return;
    }
    list_company(table, record);
  });
  if (table.register_damaged) {
    office.company.talk.line(cp852("Napraw plik ") + office.register_file_name + " !");
    office.company.talk.acknowledge();
  }
  return static_cast<int>(table.entries.size());
}

int load_carried_companies(OfficeJob& office, std::string_view file_name) {
  read_register(office, [&](const std::array<std::uint8_t, kRegisterRecordSize>& record) {
    const std::string dir = ConstRecordView(record).text(kRegisterDirectory.offset, kRegisterDirectory.capacity);
    if (!safe_directory_name(dir)) return;
    const auto entry = platform::find_entry(office.company.loc.target_root + dir + platform::kSeparator +
                                            std::string(file_name));
    if (entry && !entry->is_dir) list_company(office.table, record);
  });
  return static_cast<int>(office.table.entries.size());
}

}  // namespace vx::companies
