#pragma once
// The 71-byte office block of the person and PIT records: the office's name
// (text 65) is converted, its code (text 4) is carried as stored.
#include <cstddef>

#include "charset/polish.hpp"
#include "recordfile/record_view.hpp"

namespace vx::personnel {

inline constexpr std::size_t kOfficeBlockSize = 71;
inline constexpr TextField kOfficeName{0, 65};
inline constexpr TextField kOfficeCode{66, 4};

// The block at `at` of the source into the same place of the target.
void convert_office_block(ConstRecordView src, RecordView dst, std::size_t at,
                          const charset::Charsets& cs);

}  // namespace vx::personnel
