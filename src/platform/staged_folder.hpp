#pragma once
// A company folder is built under another name beside its final place and
// renamed into place when it is complete, so that a run stopped halfway
// never leaves a company half there. While a StagedFolder is alive, every
// path inside the final folder is taken inside the staging folder instead:
// the copies form and show the final names, the files land in staging.
#include <string>
#include <string_view>

#include "platform/filesystem.hpp"

namespace vx::platform {

// A company's staging folder is named by this prefix and its 2018 folder's
// name: longer than any register folder name, so no company takes it.
inline constexpr std::string_view kStagingPrefix = "~vx1718-";
static_assert(kStagingPrefix.starts_with(kOwnNamePrefix));

class StagedFolder {
 public:
  // Both as the program forms paths (root + directory, no final separator).
  StagedFolder(std::string final_folder, std::string staging_folder);
  ~StagedFolder();
  StagedFolder(const StagedFolder&) = delete;
  StagedFolder& operator=(const StagedFolder&) = delete;
};

// The path with the final folder of a live StagedFolder replaced by its
// staging folder; any other path as given.
std::string staged_form(std::string_view path);

// Whether the path leads into the staging folder of a live StagedFolder.
// A file new there needs no temporary of its own to be written whole: the
// folder is discarded if the run stops, and a failed copy removes the file.
bool inside_staging(std::string_view path);

// Removes a folder with everything in it; a link inside is removed, never
// followed. False when something could not be removed.
bool remove_tree(std::string_view path);

}  // namespace vx::platform
