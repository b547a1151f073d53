#pragma once
// The office block of the personnel records: an office name (text 65) and
// the office code (text 4) right behind it. The name is converted between
// character standards; the code is a code and stays as stored.
#include <cstddef>

#include "charset/polish.hpp"
#include "recordfile/record_view.hpp"

namespace vx::transfer {

inline constexpr TextField kOfficeName{0, 65};
inline constexpr TextField kOfficeCode{66, 4};
inline constexpr std::size_t kNameCodeSize = 71;

// Carries the block at offset `at` of one record into the same offset of
// another: the code as stored, the name converted (cut to its capacity).
void convert_name_code(ConstRecordView from, RecordView to, std::size_t at,
                       const charset::Charsets& cs);
// The same on a block already in place.
void convert_name_code(RecordView record, std::size_t at, const charset::Charsets& cs);

}  // namespace vx::transfer
