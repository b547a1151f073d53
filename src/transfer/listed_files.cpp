#include "transfer/listed_files.hpp"

#include <algorithm>
#include <string>

#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

namespace {
// The folder listed: dir, and the folder part of the mask under it.
std::string listed_folder(std::string_view dir, std::string_view mask) {
  std::string folder(dir);
  const auto cut = mask.find_last_of("\\/");
  if (cut == std::string_view::npos) return folder;
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += platform::kSeparator;
  folder += mask.substr(0, cut);
  return folder;
}
}  // namespace

std::vector<platform::DirEntry> listed_files(Copier& copier, std::string_view dir, std::string_view mask) {
  auto listing = platform::list_directory(dir, mask);
  if (listing.unreadable()) copier.talk.failure(msg::kListingFailed + listed_folder(dir, mask));
  for (const auto& name : listing.refused) copier.talk.failure(msg::kBadFileName + name);
  std::erase_if(listing.entries, [](const platform::DirEntry& e) { return e.is_dir; });
  return std::move(listing.entries);
}

}  // namespace vx::transfer
