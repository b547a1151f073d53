#include "driver/office_record.hpp"

#include "charset/cp852.hpp"
#include "conversion/rebuilt_record.hpp"
#include "recordfile/field_tables.hpp"

namespace vx::driver {

namespace {
using vx::ByteRange;
using vx::text_bytes;

constexpr TextField kInvoiceText{245, 36};
constexpr auto kConverted = fields({{0, 36}, {37, 36}, {74, 36}, {125, 26}, kInvoiceText, {283, 26}});
constexpr auto kCopied = ranges(
    {text_bytes(111, 13), text_bytes(204, 40), ByteRange{282, 1}, ByteRange{310, 39}, ByteRange{349, 2}});
// Four numbering entries: a 16-bit counter and a text of up to 10.
constexpr std::size_t kNumbering[] = {152, 165, 178, 191};
constexpr std::size_t kNumberingSuffix = 2;

static_assert(fits_without_overlap(kOfficeRecordSize, kConverted, kCopied, ranges({{152, 4 * 13}})));
}  // namespace

bool convert_office_record(const charset::Charsets& cs, ConstRecordView old_record, RecordView fresh) {
  conversion::rebuild_record(old_record, fresh, {kConverted, kCopied}, cs);
  for (auto at : kNumbering) {
    fresh.set_u16(at, 1);
    fresh.set_text(at + kNumberingSuffix, 10, "/2018");
  }
  if (fresh.u8(kInvoiceText.offset) == 0)
    fresh.set_text(kInvoiceText.offset, kInvoiceText.capacity, cp852("Prowadzenie księgi - {zamiesiac}"));
  return true;
}

}  // namespace vx::driver
