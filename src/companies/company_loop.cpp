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
#include "conversion/copy_plan.hpp"
#include "conversion/hide_converted.hpp"
#include "platform/filesystem.hpp"
#include "recordfile/record_file.hpp"
#include "transfer/file_presence.hpp"

namespace vx::companies {

using transfer::directory_exists;

namespace {

constexpr long kRegisterBlock = 256;  // records read at a time

constexpr auto kPartialRecord = cp852("Plik ");
constexpr auto kPartialRecordBytes = cp852("kończy się niepełnym rekordem (bajtów: ");
constexpr auto kPartialRecordRest = cp852("Nowe firmy zapisuję za ostatnim pełnym rekordem.");

// The register name and info in the target standard; the rest as read.
void convert_register_texts(OfficeJob& office, CompanyEntry& entry) {
  const RecordView rec = entry.view();
  rec.set_text(kRegisterName.offset, kRegisterName.capacity,
               charset::convert_text(office.company.cs, entry.name()));
  rec.set_text(kRegisterInfo.offset, kRegisterInfo.capacity,
               charset::convert_text(office.company.cs, entry.info()));
}

std::string folder_key(const std::string& dir) { return charset::upper_text(dir); }

// The folders of the selected companies that the 2018 register already
// names: a company is entered once, whatever stopped an earlier run between
// its register entry and its folder being put in place.
std::unordered_set<std::string> folders_already_registered(OfficeJob& office, recordfile::RecordFile& reg) {
  std::unordered_set<std::string> wanted, found;
  for (const auto& e : office.table.entries)
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
void report_partial_record(OfficeJob& office, recordfile::RecordFile& reg) {
  const auto bytes = reg.byte_size();
  if (!bytes || *bytes % kRegisterRecordSize == 0) return;
  auto& talk = office.company.talk;
  talk.line(kPartialRecord + reg.name(), dialogue::Tone::kError);
  talk.line(kPartialRecordBytes + std::to_string(*bytes % kRegisterRecordSize) + ").",
            dialogue::Tone::kError);
  talk.line(kPartialRecordRest, dialogue::Tone::kError);
  office.company.talk.acknowledge();
}

class CompanyCopier {
 public:
  CompanyCopier(OfficeJob& office, recordfile::RecordFile& reg)
      : office_(office), register_(reg), registered_(folders_already_registered(office, reg)) {}

  void copy(CompanyEntry& entry) {
    office_.company.talk.company(entry.name(), entry.directory());
    office_.company.talk.new_page();
    office_.company.talk.line(cp852("Kopiowanie  - FIRMA   : ") + entry.name());
    office_.company.talk.line(cp852("              Katalog : ") + entry.directory());
    const std::string dir = entry.directory();
    // A second register entry naming a folder carried meanwhile: the
    // register needs mending, and the company is not carried twice.
    if (directory_exists(office_.company.loc.target_root + dir)) {
      office_.company.talk.line(
          cp852("Odnaleziono katalog docelowy ") + dir + cp852(" dla firmy ") + entry.name(),
          dialogue::Tone::kWarning);
      office_.company.talk.acknowledge();
      office_.company.talk.company_done(false);
      return;
    }
    CompanyStaging staging(office_, dir);
    const bool carried =
        conversion::copy_company(office_.company, dir, [&] { return put_in_place(entry, staging); });
    office_.company.talk.company_done(carried);
  }

 private:
  // Register entry first, then the folder: a run stopped in between leaves
  // the company to be offered again and entered no second time.
  bool put_in_place(CompanyEntry& entry, CompanyStaging& staging) {
    const std::string dir = entry.directory();
    if (!conversion::write_pending_hides(office_.company, dir)) return false;
    staging.end_mapping();
    const std::string key = folder_key(dir);
    if (!registered_.contains(key)) {
      convert_register_texts(office_, entry);
      if (!register_.insert_in_order(entry.record)) return false;
      registered_.insert(key);
    }
    if (!staging.put_in_place()) return false;
    conversion::finish_pending_hides(office_.company, dir);
    return true;
  }

  OfficeJob& office_;
  recordfile::RecordFile& register_;
  std::unordered_set<std::string> registered_;
};

void copy_selected(OfficeJob& office, recordfile::RecordFile& target_register) {
  // The roots are read once for all the companies, not once per company.
  const platform::ListingScope listings;
  report_partial_record(office, target_register);
  CompanyCopier copier(office, target_register);
  for (auto& entry : office.table.entries)
    if (entry.selected) copier.copy(entry);
}

}  // namespace

void copy_selected_companies(OfficeJob& office) {
  const std::string path = office.company.loc.target_root + office.register_file_name;
  recordfile::RecordFile target_register(office.files, path, kRegisterRecordSize, register_class());
  // A missing 2018 register is created without a question.
  if (target_register.open(recordfile::LockWait::kAsk, recordfile::OpenMode::kOpenOrCreate)) {
    copy_selected(office, target_register);
    target_register.close();
  } else {
    const std::string lines[] = {cp852("Brak dostepu do pliku").str(), path};
    office.company.talk.report(lines);
  }
}

}  // namespace vx::companies
