#include "platform/listing_cache.hpp"

#include "platform/filesystem.hpp"

namespace vx::platform {

namespace listing {
namespace {

// Past this many names every listing is dropped and read again as needed,
// so that an office of any size is looked up in bounded memory.
constexpr std::size_t kMaxNames = 1 << 16;

struct Cache {
  int scopes = 0;
  std::size_t names = 0;  // over all folders kept
  std::unordered_map<std::string, Names> folders;

  void erase(std::unordered_map<std::string, Names>::iterator it) {
    names -= it->second.size();
    folders.erase(it);
  }
  void clear() {
    folders.clear();
    names = 0;
  }
};

Cache& cache() {
  static Cache c;
  return c;
}

// One key per folder however the path was written: runs of separators
// taken as one and no separator at the end but for the root itself.
std::string folder_key(std::string_view dir) {
  std::string key;
  key.reserve(dir.size());
  for (const char c : dir)
    if (c != '/' || key.empty() || key.back() != '/') key += c;
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

}  // namespace

bool active() { return cache().scopes > 0; }

const Names* of(const std::string& dir, const std::function<std::optional<Names>()>& read) {
  Cache& c = cache();
  if (c.scopes == 0) return nullptr;
  std::string key = folder_key(dir);
  auto it = c.folders.find(key);
  if (it == c.folders.end()) {
    auto names = read();
    if (!names) return nullptr;
    if (c.names + names->size() > kMaxNames) c.clear();
    c.names += names->size();
    it = c.folders.emplace(std::move(key), std::move(*names)).first;
  }
  return &it->second;
}

const Names* cached(std::string_view dir) {
  Cache& c = cache();
  if (c.scopes == 0) return nullptr;
  const auto it = c.folders.find(folder_key(dir));
  return it == c.folders.end() ? nullptr : &it->second;
}

void added(std::string_view dir, std::string key, std::string name) {
  Cache& c = cache();
  if (c.scopes == 0) return;
  const auto it = c.folders.find(folder_key(dir));
  if (it == c.folders.end()) return;
  const auto [entry, fresh] = it->second.emplace(std::move(key), name);
  if (fresh)
    ++c.names;
  else if (entry->second != name)
    entry->second.clear();  // now names alike but for case: the system decides
}

void removed(std::string_view dir, const std::string& key, std::string_view name) {
  Cache& c = cache();
  if (c.scopes == 0) return;
  const auto it = c.folders.find(folder_key(dir));
  if (it == c.folders.end()) return;
  const auto entry = it->second.find(key);
  if (entry == it->second.end()) return;
  if (entry->second != name) {
    // One of several names alike but for case (which stay is not known), or
    // a name the listing did not hold as removed: read again when needed.
    c.erase(it);
    return;
  }
  it->second.erase(entry);
  --c.names;
}

void made_empty(std::string_view dir) {
  Cache& c = cache();
  if (c.scopes == 0) return;
  std::string key = folder_key(dir);
  if (const auto it = c.folders.find(key); it != c.folders.end()) c.erase(it);
  c.folders.emplace(std::move(key), Names{});
}

void changed(std::string_view dir, std::string_view entry) {
  Cache& c = cache();
  if (c.scopes == 0) return;
  if (const auto it = c.folders.find(folder_key(dir)); it != c.folders.end()) c.erase(it);
  if (entry.empty()) return;
  // A renamed folder takes everything kept below it along.
  const std::string below = folder_key(entry);
  for (auto it = c.folders.begin(); it != c.folders.end();) {
    const std::string& k = it->first;
    const bool inside = k == below || (k.size() > below.size() && k.starts_with(below) &&
                                       (below == "/" || k[below.size()] == '/'));
    if (inside) {
      const auto next = std::next(it);
      c.erase(it);
      it = next;
    } else {
      ++it;
    }
  }
}

void forget() {
  Cache& c = cache();
  c.clear();
}

}  // namespace listing

ListingScope::ListingScope() { ++listing::cache().scopes; }

ListingScope::~ListingScope() {
  listing::Cache& c = listing::cache();
  if (--c.scopes == 0) c.clear();
}

void forget_listings() { listing::forget(); }

}  // namespace vx::platform
