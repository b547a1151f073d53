#include "conversion/vat7_declaration.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "conversion/company_paths.hpp"
#include "conversion/declaration_messages.hpp"
#include "conversion/month_names.hpp"
#include "platform/filesystem.hpp"
#include "transfer/copy_files.hpp"
#include "transfer/file_presence.hpp"
#include "transfer/transfer_messages.hpp"

namespace vx::conversion {

namespace {

constexpr std::uint16_t kYear = 2018;

bool carried(ConstRecordView entry) {
  const std::uint16_t kind = entry.u16(vat7::kKindAt);
  return entry.u8(vat7::kDeclaredAt) == 1 && (kind == 0 || kind == 2);
}

void build_record(RecordView rec, int month, ConstRecordView entry) {
  using namespace vat7;
  rec.clear();
  rec.set_u32(kMonthAt, static_cast<std::uint32_t>(month));
  rec.set_u16(kYearAt, kYear);
  rec.set_u8(kMonthByteAt, static_cast<std::uint8_t>(month));
  rec.set_u16(kFlagAt, entry.u8(kMarkedAt) != 0 ? 1 : 0);
  rec.set_u8(kKindByteAt, static_cast<std::uint8_t>(entry.u16(kKindAt)));
  rec.set_u32(kHeaderValueAt, entry.u32(kValueAt));
  rec.set_u32(kAllBitsAt, 0xFFFFFFFFu);
  rec.set_text(kCreator.offset, kCreator.capacity, msg::kVat7Creator);
  std::copy(entry.bytes().begin(), entry.bytes().end(), rec.bytes().begin() + kOldEntryAt);
}

// The whole old file, or nothing when it is missing, short or unreadable.
std::optional<std::vector<std::uint8_t>> read_old_file(CompanyJob& job, const std::string& path) {
  if (transfer::file_size_of(path) == 0) return std::nullopt;
  platform::File in;
  if (!in.open(path, platform::File::Mode::kRead)) return std::nullopt;
  job.talk.line(msg::kVat7Conversion);
  std::vector<std::uint8_t> old(vat7::kOldSize);
  const std::size_t read = in.read(old.data(), old.size());
  in.close();
  if (in.failed() || read < old.size()) return std::nullopt;
  return old;
}

}  // namespace

void convert_vat7_declarations(CompanyJob& job, std::string_view company_dir) {
  using namespace vat7;
  const auto old = read_old_file(job, company_file(job.loc.source_root, company_dir, kOldName));
  if (!old) return;
  const std::string target = company_file(job.loc.target_root, company_dir, kNewName);
  platform::File out;
  if (!out.open(target, platform::File::Mode::kReplace)) return;

  const ConstRecordView old_file(*old);
  std::array<std::uint8_t, kRecordSize> record;
  const int first = std::max<int>(1, old_file.u8(kFirstMonthAt));
  for (int month = first; month <= 12; ++month) {
    const auto entry =
        ConstRecordView(old_file.sub(kEntrySize * static_cast<std::size_t>(month - 1), kEntrySize));
    if (!carried(entry)) continue;
    build_record(RecordView(record), month, entry);
    job.talk.line(msg::kVat7Month + kMonthNames[static_cast<std::size_t>(month)]);
    // A declaration missing months is no declaration: the previous file stays.
    if (out.write(record.data(), record.size()) < record.size()) return;
  }
  // Put in place only here, where a full disk shows.
  if (!out.close()) {
    job.talk.failure(transfer::msg::kCloseFailed + target);
    job.talk.acknowledge();
  }
}

}  // namespace vx::conversion
