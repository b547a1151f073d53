#include "driver/office_record.hpp"

#include "charset/cp852.hpp"
#include "conversion/text_fields.hpp"

namespace vx::driver {

namespace {
constexpr TextField kConverted[] = {{0, 36}, {37, 36}, {74, 36}, {125, 26}, {283, 26}};
constexpr TextField kCopied[] = {{111, 13}, {204, 40}};
constexpr TextField kInvoiceText{245, 36};
// Four numbering entries: a 16-bit counter and a text of up to 10.
constexpr std::size_t kNumbering[] = {152, 165, 178, 191};
constexpr std::size_t kNumberingSuffix = 2;
constexpr std::size_t kCopiedByte = 282;
constexpr std::size_t kCopiedBlock = 310, kCopiedBlockSize = 39;
constexpr std::size_t kCopiedWord = 349;
}  // namespace

bool convert_office_record(Run& run, ConstRecordView old_record, RecordView fresh) {
  conversion::convert_texts_into(old_record, fresh, kConverted, run.cs);
  for (const auto& f : kCopied) fresh.copy_from(old_record, f.offset, f.capacity + 1);
  for (auto at : kNumbering) {
    fresh.set_u16(at, 1);
    fresh.set_text(at + kNumberingSuffix, 10, "/2018");
  }
  conversion::convert_field_into(old_record, fresh, kInvoiceText, run.cs);
  if (fresh.u8(kInvoiceText.offset) == 0)
    fresh.set_text(kInvoiceText.offset, kInvoiceText.capacity, cp852("Prowadzenie księgi - {zamiesiac}"));
  fresh.copy_from(old_record, kCopiedByte, 1);
  fresh.copy_from(old_record, kCopiedBlock, kCopiedBlockSize);
  fresh.copy_from(old_record, kCopiedWord, 2);
  return true;
}

}  // namespace vx::driver
