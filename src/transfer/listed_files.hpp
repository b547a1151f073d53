#pragma once
// The files of a folder that a copy step carries by a mask.
#include <string_view>
#include <vector>

#include "platform/filesystem.hpp"
#include "transfer/copier.hpp"

namespace vx::transfer {

// The files (not folders) of dir matching mask, in name order. A listed
// name that would lead out of its folder, and a folder that cannot be read,
// are each reported on a light red line without a key wait; a missing
// folder simply has no files.
std::vector<platform::DirEntry> listed_files(Copier& copier, std::string_view dir, std::string_view mask);

}  // namespace vx::transfer
