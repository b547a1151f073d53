#include "companies/company_loop.hpp"

#include <algorithm>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "companies/company_staging.hpp"
#include "companies/register_file.hpp"
#include "driver/selection_screen.hpp"
#include "conversion/copy_plan.hpp"
#include "conversion/hide_converted.hpp"
#include "platform/filesystem.hpp"
#include "recordfile/record_file.hpp"
#include "transfer/console_prompts.hpp"
#include "ui/message_box.hpp"

namespace vx::companies {

using namespace transfer;

namespace {

constexpr long kRegisterBlock = 256;  // records read at a time

constexpr auto kPartialRecord = cp852("Plik ");
constexpr auto kPartialRecordBytes = cp852("kończy się niepełnym rekordem (bajtów: ");
constexpr auto kPartialRecordRest = cp852("Nowe firmy zapisuję za ostatnim pełnym rekordem.");

// The register name and info in the target standard; the rest as read.
void convert_register_texts(Session& run, CompanyEntry& entry) {
  const RecordView rec = entry.view();
  rec.set_text(kRegisterName.offset, kRegisterName.capacity, charset::convert_text(run.cs, entry.name()));
  rec.set_text(kRegisterInfo.offset, kRegisterInfo.capacity, charset::convert_text(run.cs, entry.info()));
}

std::string folder_key(const std::string& dir) { return charset::upper_text(dir); }

// The folders of the selected companies that the 2018 register already
// names: a company is entered once, whatever stopped an earlier run between
// its register entry and its folder being put in place.
std::unordered_set<std::string> folders_already_registered(Session& run, recordfile::RecordFile& reg) {
  std::unordered_set<std::string> wanted, found;
  for (const auto& e : run.companies.entries)
    if (e.selected) wanted.insert(folder_key(e.directory()));
  // Read a block of records at a time: the register may be large.
  std::vector<std::uint8_t> block(kRegisterBlock * kRegisterRecordSize);
  long read = 0;
  for (long first = 0; found.size() < wanted.size(); first += read) {
    read = reg.read_records(first, block);
    for (long i = 0; i < read; ++i) {
      const ConstRecordView record(std::span<const std::uint8_t>(block).subspan(
          static_cast<std::size_t>(i) * kRegisterRecordSize, kRegisterRecordSize));
      const std::string key = folder_key(record.text(kRegisterDirectory.offset, kRegisterDirectory.capacity));
      if (wanted.contains(key)) found.insert(key);
    }
    if (read < kRegisterBlock) break;
  }
  return found;
}

// A register whose size is no whole number of records ends with a piece of
// one; said once, before the first company.
void report_partial_record(Session& run, recordfile::RecordFile& reg) {
  const auto bytes = reg.byte_size();
  if (!bytes || *bytes % kRegisterRecordSize == 0) return;
  set_colour(run, kError);
  print_line(run, kPartialRecord + reg.name());
  print_line(run, kPartialRecordBytes + std::to_string(*bytes % kRegisterRecordSize) + ").");
  print_line(run, kPartialRecordRest);
  set_colour(run, kNormal);
  read_key(run);
}

class CompanyCopier {
 public:
  CompanyCopier(Session& run, recordfile::RecordFile& reg)
      : run_(run), register_(reg), registered_(folders_already_registered(run, reg)) {}

  void copy(CompanyEntry& entry) {
    clear_screen(run_);
    print_line(run_, cp852("Kopiowanie  - FIRMA   : ") + entry.name());
    print_line(run_, cp852("              Katalog : ") + entry.directory());
    const std::string dir = entry.directory();
    // A second register entry naming a folder carried meanwhile: the
    // register needs mending, and the company is not carried twice.
    if (directory_exists(run_.loc.target_root + dir)) {
      set_colour(run_, kOffered);
      print_line(run_, cp852("Odnaleziono katalog docelowy ") + dir + cp852(" dla firmy ") + entry.name());
      set_colour(run_, kNormal);
      read_key(run_);
      return;
    }
    CompanyStaging staging(run_, dir);
    conversion::copy_company(run_, dir, [&] { return put_in_place(entry, staging); });
  }

 private:
  // Register entry first, then the folder: a run stopped in between leaves
  // the company to be offered again and entered no second time.
  bool put_in_place(CompanyEntry& entry, CompanyStaging& staging) {
    const std::string dir = entry.directory();
    if (!conversion::write_pending_hides(run_, dir)) return false;
    staging.end_mapping();
    const std::string key = folder_key(dir);
    if (!registered_.contains(key)) {
      convert_register_texts(run_, entry);
      if (!register_.insert_in_order(entry.record)) return false;
      registered_.insert(key);
    }
    if (!staging.put_in_place()) return false;
    conversion::finish_pending_hides(run_, dir);
    return true;
  }

  Session& run_;
  recordfile::RecordFile& register_;
  std::unordered_set<std::string> registered_;
};

void copy_selected(Session& run, recordfile::RecordFile& target_register) {
  // The roots are read once for all the companies, not once per company.
  const platform::ListingScope listings;
  report_partial_record(run, target_register);
  CompanyCopier copier(run, target_register);
  for (auto& entry : run.companies.entries)
    if (entry.selected) copier.copy(entry);
}

}  // namespace

void copy_companies(Session& run) {
  const auto saved = run.out.save();
  run.out.set_window(ui::kCopyWindow);
  if (select_companies(run)) {
    const std::string path = run.loc.target_root + run.env.register_file_name;
    recordfile::RecordFile target_register(run, path, kRegisterRecordSize, register_class());
    // A missing 2018 register is created without a question.
    if (target_register.open(recordfile::LockWait::kAsk, recordfile::OpenMode::kOpenOrCreate)) {
      copy_selected(run, target_register);
      target_register.close();
    } else {
      ui::standard_message_box(run.ui, std::string(1, ui::kCentre) + cp852("Brak dostepu do pliku").str() +
                                        ui::kLineBreak + ui::kCentre + path,
                               ui::kErrorReport);
    }
  }
  run.companies.entries.clear();
  clear_screen(run);
  run.out.restore(saved);
}

}  // namespace vx::companies
