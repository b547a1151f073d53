#include "conversion/fixed_asset_registers.hpp"

#include <array>
#include <cstdint>
#include <string>

#include "charset/polish.hpp"
#include "conversion/company_paths.hpp"
#include "conversion/declaration_messages.hpp"
#include "conversion/in_place_layouts.hpp"
#include "conversion/record_converters.hpp"
#include "platform/filesystem.hpp"
#include "transfer/file_presence.hpp"
#include "transfer/record_copy.hpp"

namespace vx::conversion {

bool is_plain_base_name(std::string_view name) {
  return name.find_first_of("\\/:") == std::string_view::npos &&
         name.find("..") == std::string_view::npos;
}

namespace {

void report_bad_name(CompanyJob& job, std::string_view name) {
  job.talk.failure(msg::kBadRegisterName + name);
  job.talk.acknowledge();
}

void carry_register(CompanyJob& job, std::string_view company_dir, std::string_view base_name) {
  const std::string name = std::string(base_name) + register_list::kExtension;
  transfer::copy_records(job.copier, company_file(job.loc.source_root, company_dir, name),
                         company_file(job.loc.target_root, company_dir, name),
                         static_cast<std::uint16_t>(layout::kFixedAsset.size),
                         [&](RecordView rec) { return convert_in_place(layout::kFixedAsset, job.cs, rec); });
}

}  // namespace

void carry_fixed_asset_registers(CompanyJob& job, std::string_view company_dir) {
  using namespace register_list;
  // The 2017 list names the registers that the 2017 directory holds.
  const std::string list = company_file(job.loc.source_root, company_dir, kName);
  const std::uint64_t size = transfer::file_size_of(list);
  if (size == 0) return;
  platform::File in;
  if (!in.open(list, platform::File::Mode::kRead)) return;

  std::array<std::uint8_t, kRecordSize> record;
  const ConstRecordView entry(record);
  for (std::uint64_t n = size / kRecordSize; n > 0; --n) {
    if (in.read(record.data(), record.size()) < record.size()) break;
    const std::string base_name = entry.text(kBaseName.offset, kBaseName.capacity);
    if (charset::upper_text(base_name) == kMainRegister) continue;
    if (!is_plain_base_name(base_name)) {
      report_bad_name(job, base_name);
      continue;
    }
    carry_register(job, company_dir, base_name);
  }
  in.close();
}

}  // namespace vx::conversion
