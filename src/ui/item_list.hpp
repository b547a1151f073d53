#pragma once
// The texts of a check-box group or a radio group, in order.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vx::ui {

inline constexpr std::size_t kItemTextMax = 78;
// A group shows at most this many items (one bit of a set word each).
inline constexpr std::size_t kGroupItemsMax = 16;

class ItemList {
 public:
  ItemList() = default;
  ItemList(std::initializer_list<std::string_view> texts) {
    for (auto t : texts) Add(t);
  }
  // Texts are cut to 78 characters.
  ItemList& Add(std::string_view text) {
    texts_.emplace_back(text.substr(0, std::min(text.size(), kItemTextMax)));
    return *this;
  }
  std::size_t Size() const { return texts_.size(); }
  const std::string& operator[](std::size_t i) const { return texts_[i]; }
  auto begin() const { return texts_.begin(); }
  auto end() const { return texts_.end(); }

 private:
  std::vector<std::string> texts_;
};

}  // namespace vx::ui
