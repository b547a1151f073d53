#pragma once
// Whether a source is there to be copied and a target already exists.
#include <cstdint>
#include <string_view>

namespace vx::transfer {

// Size of a file (not a directory); 0 when missing or empty.
std::uint64_t file_size_of(std::string_view name);
bool directory_exists(std::string_view path);

}  // namespace vx::transfer
