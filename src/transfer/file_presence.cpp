#include "transfer/file_presence.hpp"

#include "platform/filesystem.hpp"

namespace vx::transfer {

std::uint64_t file_size_of(std::string_view name) {
  const auto e = platform::find_entry(name);
  return e && !e->is_dir ? e->size : 0;
}

bool directory_exists(std::string_view path) { return platform::is_directory(path); }

}  // namespace vx::transfer
