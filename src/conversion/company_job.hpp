#pragma once
// What one company's conversion works with: the dialogue, the copies, the
// character standards its annual step settles, its own state, the personnel
// steps, and the operator's choices and data roots.
#include "charset/polish.hpp"
#include "config/locations.hpp"
#include "config/options.hpp"
#include "conversion/conversion_state.hpp"
#include "dialogue/dialogue.hpp"
#include "personnel/staff.hpp"
#include "transfer/copier.hpp"

namespace vx::conversion {

struct CompanyJob {
  dialogue::Dialogue& talk;
  transfer::Copier& copier;
  charset::Charsets& cs;
  ConversionState& state;
  personnel::Staff& staff;
  const Options& options;
  const Locations& loc;
};

}  // namespace vx::conversion
