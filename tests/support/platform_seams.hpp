#pragma once
// The platform layer's test seams held for one stretch of a test: a fault
// armed, the trees of a run confined; both undone at the end of the stretch
// whatever happened in it.
#include <string>
#include <vector>

#include "platform/fault_injection.hpp"
#include "platform/filesystem.hpp"

namespace vx::test {

class ArmedFault {
 public:
  ArmedFault(platform::testing::Fault kind, int n) { platform::testing::fail_after(kind, n); }
  ~ArmedFault() { platform::testing::clear_faults(); }
  ArmedFault(const ArmedFault&) = delete;
  ArmedFault& operator=(const ArmedFault&) = delete;
};

class ConfinedTrees {
 public:
  ConfinedTrees(const std::vector<std::string>& read, const std::vector<std::string>& write,
                const std::vector<std::string>& rename = {})
      : all_roots_(platform::confine_to_trees(read, write, rename)) {}
  ~ConfinedTrees() { platform::end_confinement(); }
  ConfinedTrees(const ConfinedTrees&) = delete;
  ConfinedTrees& operator=(const ConfinedTrees&) = delete;
  bool all_roots() const { return all_roots_; }

 private:
  bool all_roots_;
};

}  // namespace vx::test
