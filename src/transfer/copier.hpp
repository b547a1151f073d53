#pragma once
// What every copy of this folder works with: the dialogue it reports to and
// asks through, the character standards of the data, and the run-wide
// memory of the overwrite answers.
#include "charset/polish.hpp"
#include "dialogue/dialogue.hpp"
#include "transfer/transfer_state.hpp"

namespace vx::transfer {

struct Copier {
  dialogue::Dialogue& talk;
  const charset::Charsets& cs;
  TransferState& state;
};

}  // namespace vx::transfer
