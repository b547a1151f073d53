#include "companies/company_loop.hpp"

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "companies/register_file.hpp"
#include "companies/selection_screen.hpp"
#include "platform/filesystem.hpp"
#include "conversion/copy_plan.hpp"
#include "recordfile/record_file.hpp"
#include "transfer/console_prompts.hpp"
#include "ui/message_box.hpp"

namespace vx::companies {

using namespace transfer;

namespace {

// The register name and info in the target standard; the rest as read.
void convert_register_texts(Run& run, CompanyEntry& entry) {
  const RecordView rec = entry.view();
  rec.set_text(kRegisterName.offset, kRegisterName.capacity, charset::convert_text(run.cs, entry.name()));
  rec.set_text(kRegisterInfo.offset, kRegisterInfo.capacity, charset::convert_text(run.cs, entry.info()));
}

void copy_selected(Run& run, recordfile::RecordFile& target_register) {
  // The roots are read once for all the companies, not once per company.
  const platform::ListingScope listings;
  for (auto& entry : run.companies.entries) {
    if (!entry.selected) continue;
    clear_screen(run);
    print_line(run, cp852("Kopiowanie  - FIRMA   : ") + entry.name());
    print_line(run, cp852("              Katalog : ") + entry.directory());
    if (!conversion::copy_company(run, entry.directory())) continue;
    convert_register_texts(run, entry);
    target_register.insert_in_order(entry.record);
  }
}

}  // namespace

void copy_companies(Run& run) {
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
      ui::standard_message_box(run, std::string(1, ui::kCentre) + cp852("Brak dostepu do pliku").str() +
                                        ui::kLineBreak + ui::kCentre + path,
                               ui::kErrorReport);
    }
  }
  run.companies.entries.clear();
  clear_screen(run);
  run.out.restore(saved);
}

}  // namespace vx::companies
