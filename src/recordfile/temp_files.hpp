#pragma once
// The temporary directory and unique temporary file names.
#include <string>
#include <string_view>

#include "config/environment.hpp"
#include "recordfile/file_layer_settings.hpp"

namespace vx::recordfile {

// The first non-empty of vxTEMP, WEXBOX, TEMP, TMP.
std::string temporary_directory(config::EnvLookup env);

// directory + "~vx" + number + extension, a name no file has yet; the
// temporary directory when the given one is empty.
std::string unique_temp_name(const FileLayerSettings& s, std::string_view dir,
                             std::string_view extension = ".tmp");

}  // namespace vx::recordfile
