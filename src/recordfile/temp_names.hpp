#pragma once
// The temporary directory and unique temporary file names.
#include <string>
#include <string_view>

#include "config/environment.hpp"

namespace vx::recordfile {

inline constexpr std::string_view kTempExtension = ".tmp";
inline constexpr int kTempNumberLimit = 32767;

// The first non-empty of vxTEMP, WEXBOX, TEMP and TMP, ending with a
// separator; the system's temporary directory when none is set.
std::string temporary_directory(config::EnvLookup env);

// dir + "~vx" + number + extension, a name no file has yet, trying numbers
// upwards from start (below kTempNumberLimit, wrapping round). The temporary
// directory when dir is empty. Empty when every number is taken.
std::string unique_temp_name(std::string_view dir, std::string_view extension, int start);
// The same from a random start.
std::string unique_temp_name(std::string_view dir = {}, std::string_view extension = kTempExtension);

}  // namespace vx::recordfile
