#pragma once
// What the record-file layer works with: its program-wide settings and the
// dialogue through which it asks when a file is missing, refused or locked.
#include "dialogue/dialogue.hpp"
#include "recordfile/file_layer_settings.hpp"

namespace vx::recordfile {

struct FileAccess {
  FileLayerSettings& settings;
  dialogue::Dialogue& talk;
};

}  // namespace vx::recordfile
