#include "driver/run_trees.hpp"

#include <string>
#include <vector>

#include "driver/global_copy.hpp"
#include "platform/filesystem.hpp"
#include "platform/process.hpp"
#include "recordfile/temp_names.hpp"

namespace vx::driver {

RunTrees::RunTrees(const Session& run) {
  const std::string& source = run.loc.source_root;
  const std::string& target = run.loc.target_root;
  platform::remove_whole_file_leftovers(target);
  platform::remove_whole_file_leftovers(target + std::string(kTargetProgramDir));
  std::vector<std::string> read = {source, target}, write = {target};
  const std::string temp = recordfile::temporary_directory(platform::environment_value);
  if (!temp.empty() && platform::is_directory(temp)) {
    read.push_back(temp);
    write.push_back(temp);
  }
  platform::confine_to_trees(read, write, {source});
}

RunTrees::~RunTrees() { platform::end_confinement(); }

}  // namespace vx::driver
