#pragma once
// The opening balance of a company already carried, taken again from the
// 2017 books: after the migration, December 2017 may be approved and its
// closing balance changed. Only the amounts a new year takes from the old
// one are written, in place of the old ones; the rest of the 2018 file
// stays byte for byte.
#include <cstdint>
#include <string_view>

#include "conversion/company_job.hpp"

namespace vx::conversion {

enum class BalanceRefresh : std::uint8_t {
  kWritten,    // the new amounts written
  kUnchanged,  // already equal: nothing written
  kSkipped,    // a file missing, short or damaged, the operator's no, or a failed write
};

BalanceRefresh refresh_opening_balance(CompanyJob& job, std::string_view company_dir);

}  // namespace vx::conversion
