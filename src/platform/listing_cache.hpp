#pragma once
// Folder listings kept for the case-blind lookup while a ListingScope is
// alive. A copy looks up dozens of names per company that do not exist yet
// in the 2018 folder; reading the folder once instead of once per name is
// most of the difference to a plain copy. This program's own creations are
// added and removed as they happen; a rename of an entry that is not known
// drops the listing concerned, so the next lookup reads the folder again.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vx::platform::listing {

// Stored names of one folder by their upper-cased CP852 key; empty where
// several names differ only in case.
using Names = std::unordered_map<std::string, std::string>;

bool active();

// The listing of dir, read through read the first time it is asked for.
// Null when no scope is alive or the folder could not be read.
const Names* of(const std::string& dir, const std::function<std::optional<Names>()>& read);
// The listing of dir if it was read before, else null.
const Names* cached(std::string_view dir);

// This program created name in dir (a file or a folder).
void added(std::string_view dir, std::string key, std::string name);
// This program removed name from dir, or renamed it away.
void removed(std::string_view dir, const std::string& key, std::string_view name);
// This program created the folder dir: it is empty.
void made_empty(std::string_view dir);
// Entries of dir were renamed or removed: dir, and everything below
// entry when entry is given, are read again when next needed.
void changed(std::string_view dir, std::string_view entry = {});
// Every listing read again when next needed.
void forget();

}  // namespace vx::platform::listing
