#include "conversion/rebuilt_record.hpp"

#include <algorithm>

#include "recordfile/text_fields.hpp"

namespace vx::conversion {

ConstRecordView at_full_size(ConstRecordView rec, std::size_t size, std::vector<std::uint8_t>& store) {
  if (rec.size() >= size) return rec;
  store.assign(size, 0);
  std::copy(rec.bytes().begin(), rec.bytes().end(), store.begin());
  return ConstRecordView(std::span<const std::uint8_t>(store));
}

void copy_record(ConstRecordView old_record, RecordView new_record) {
  new_record.clear();
  const auto n = std::min(old_record.size(), new_record.size());
  std::copy_n(old_record.bytes().begin(), n, new_record.bytes().begin());
}

void rebuild_record(ConstRecordView old_record, RecordView new_record, const RebuiltLayout& layout,
                    const charset::Charsets& cs) {
  std::vector<std::uint8_t> store;
  const ConstRecordView old_full = at_full_size(old_record, new_record.size(), store);
  new_record.clear();
  convert_texts_into(old_full, new_record, layout.converted, cs);
  // On zeros, a length byte claiming more than its field holds would take in
  // the fields behind the text: it is cut, converting or not.
  cut_texts(new_record, layout.converted);
  for (const auto& r : layout.copied)
    if (r.offset + r.length <= new_record.size()) new_record.copy_from(old_full, r.offset, r.length);
}

}  // namespace vx::conversion
