#include "conversion/fixed_asset_record.hpp"

namespace vx::conversion {

bool convert_fixed_asset_record(Run& run, RecordView record) {
  convert_texts(record, fixed_asset::kTexts, run.cs);
  return true;
}

}  // namespace vx::conversion
