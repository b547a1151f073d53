#pragma once
// While a run copies, its reads stay in the 2017 tree (and in the 2018 tree
// and the temporary directory, which it also reads back), its writes in the
// 2018 tree and the temporary directory, and its renames of 2017 files (the
// "~" hiding) in the 2017 tree, whatever links or names in the data say.
#include "driver/session.hpp"

namespace vx::driver {

class RunTrees {
 public:
  // Also removes the temporaries of whole-file writes that a killed run
  // left in the 2018 root and its program folder.
  explicit RunTrees(const Session& run);
  ~RunTrees();
  RunTrees(const RunTrees&) = delete;
  RunTrees& operator=(const RunTrees&) = delete;
};

}  // namespace vx::driver
