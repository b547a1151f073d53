#include "personnel/office_block.hpp"

#include "conversion/text_fields.hpp"

namespace vx::personnel {

void convert_office_block(ConstRecordView src, RecordView dst, std::size_t at,
                          const charset::Charsets& cs) {
  const ConstRecordView from{src.sub(at, kOfficeBlockSize)};
  const RecordView to{dst.sub(at, kOfficeBlockSize)};
  // The code is carried with the block; only the name is converted.
  to.copy_from(from, 0, kOfficeBlockSize);
  const TextField name[] = {kOfficeName};
  conversion::convert_texts_into(from, to, name, cs);
}

}  // namespace vx::personnel
