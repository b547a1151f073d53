#include "companies/register_loader.hpp"

#include "charset/cp852.hpp"
#include "companies/company_staging.hpp"
#include "companies/register_file.hpp"
#include "conversion/hide_converted.hpp"
#include "platform/filesystem.hpp"
#include "recordfile/record_file.hpp"
#include "transfer/console_prompts.hpp"
#include "ui/message_box.hpp"

namespace vx::companies {

using namespace transfer;

namespace {
[[noreturn]] void end_program() { throw platform::ProgramExit{0}; }
}  // namespace

int load_register(Session& run) {
  auto& table = run.companies;
  table.entries.clear();
  clear_screen(run);
  print_line(run, cp852("ROZPOZNANIE ŚRODOWISKA PRACY WEX 2017"));
  print_line(run, "");
  remove_abandoned_staging(run);

  const std::string path = run.loc.source_root + run.env.register_file_name;
  recordfile::set_access_mode(run, recordfile::exclusive_read_mode(run));
  recordfile::RecordFile reg(run, path, kRegisterRecordSize, register_class());
  const bool opened = reg.open(recordfile::LockWait::kRetry, recordfile::OpenMode::kOpenExisting);
  recordfile::restore_access_mode(run);
  if (!opened) {
    print_line(run, cp852("Błąd otwarcia/dostępu do pliku ") + path);
    ui::standard_message_box(run.ui, std::string(1, ui::kCentre) + cp852("Brak dostępu do pliku").str() +
                                      ui::kLineBreak + ui::kCentre + path,
                             ui::kErrorReport);
    end_program();
  }
  const long count = reg.seek_end();
  if (count < 0) {
    print_line(run, cp852("Błąd okreslenia długości pliku ") + run.env.register_file_name);
    reg.close();
    read_key(run);
    end_program();
  }
  if (count == 0) {
    print_line(run, cp852("Zerowa długość pliku ") + run.env.register_file_name);
    reg.close();
    read_key(run);
    end_program();
  }

  std::array<std::uint8_t, kRegisterRecordSize> record{};
  // The two roots are read once for all the companies' folders.
  const platform::ListingScope listings;
  for (long i = 0; i < count; ++i) {
    if (table.entries.size() >= kMaxCompanies) {
      print_line(run, cp852("Przekroczona maksymalna ilość firm ") + "2048");
      break;
    }
    if (!reg.read(i, record)) continue;
    const ConstRecordView view(record);
    const std::string dir = view.text(kRegisterDirectory.offset, kRegisterDirectory.capacity);
    const std::string name = view.text(kRegisterName.offset, kRegisterName.capacity);
    // A directory name that would lead outside the data roots is refused like
    // a missing one.
    const bool safe = safe_directory_name(dir);
    if (safe && directory_exists(run.loc.target_root + dir)) {
      print_line(run, cp852("Odnaleziono katalog docelowy ") + dir + cp852(" dla firmy ") + name);
      // A run stopped after putting the company in place still owes the hiding.
      conversion::finish_pending_hides(run, dir);
      continue;
    }
    if (!safe || !directory_exists(run.loc.source_root + dir)) {
      print_line(run, cp852("Brak katalogu zródłowego    ") + dir + cp852(" dla firmy ") + name);
      table.register_damaged = true;
      continue;
    }
    CompanyEntry entry;
    entry.record = record;
    entry.selected = 1;
    table.entries.push_back(entry);
  }
  reg.close();

  if (table.entries.empty()) {
    print_line(run, cp852("Zerowa ilość odczytanych firm"));
    read_key(run);
  }
  if (table.register_damaged) {
    print_line(run, cp852("Napraw plik ") + run.env.register_file_name + " !");
    read_key(run);
  }
  return static_cast<int>(table.entries.size());
}

}  // namespace vx::companies
