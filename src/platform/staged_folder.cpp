#include "platform/staged_folder.hpp"

#include <cassert>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/filesystem.hpp"
#include "platform/filesystem_internal.hpp"
#include "platform/listing_cache.hpp"
#ifdef _WIN32
#include "platform/win32_text.hpp"
#endif

namespace vx::platform {

namespace {

struct Mapping {
  std::string final_folder;
  std::string staging_folder;
};

// One company is staged at a time.
std::optional<Mapping>& active_mapping() {
  static std::optional<Mapping> mapping;
  return mapping;
}

bool is_separator(char c) { return c == '\\' || c == '/'; }

// What follows the final folder in path ("" for the folder itself), or
// nothing when path does not lead into it or no folder is staged.
std::optional<std::string_view> inside_final_folder(std::string_view path) {
  const auto& m = active_mapping();
  if (!m || !path.starts_with(m->final_folder)) return std::nullopt;
  const std::string_view rest = path.substr(m->final_folder.size());
  if (!rest.empty() && !is_separator(rest.front())) return std::nullopt;
  return rest;
}

}  // namespace

StagedFolder::StagedFolder(std::string final_folder, std::string staging_folder) {
  assert(!active_mapping());
  active_mapping() = Mapping{std::move(final_folder), std::move(staging_folder)};
}

StagedFolder::~StagedFolder() { active_mapping().reset(); }

std::string staged_form(std::string_view path) {
  const auto rest = inside_final_folder(path);
  return rest ? active_mapping()->staging_folder + std::string(*rest) : std::string(path);
}

bool inside_staging(std::string_view path) {
  const auto rest = inside_final_folder(path);
  return rest && rest->size() > 1;
}

bool remove_tree(std::string_view path) {
  if (path.empty()) return false;
  const std::string native = native_path(path);
#ifdef _WIN32
  const std::filesystem::path p(win32::to_wide(native));
#else
  const std::filesystem::path p(native);
#endif
  std::error_code error;
  std::filesystem::remove_all(p, error);
  forget_real_folders();
  const auto cut = native.find_last_of("\\/");
  listing::changed(cut == std::string::npos ? std::string() : native.substr(0, cut), native);
  return !error;
}

}  // namespace vx::platform
