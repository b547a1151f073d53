#pragma once
// Screens of a scripted run as the operator saw them each time the program
// waited for input, with their colours: taken through the toolkit's idle
// hook, so forms can be inspected while they are open.
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "charset/utf8.hpp"
#include "platform/console.hpp"
#include "support/scripted_run.hpp"
#include "ui/ui_context.hpp"

namespace vx::test {

// Key script lines, one key each.
inline std::string keys(std::initializer_list<std::string_view> lines) {
  std::string s;
  for (auto l : lines) {
    s += l;
    s += '\n';
  }
  return s;
}

struct Snapshot {
  std::vector<platform::Cell> cells;

  const platform::Cell& at(int col, int row) const {
    return cells.at(static_cast<std::size_t>((row - 1) * platform::kScreenCols + col - 1));
  }
  // Row text in UTF-8, trailing blanks removed.
  std::string row(int r) const {
    std::string line;
    for (int c = 1; c <= platform::kScreenCols; ++c) line += static_cast<char>(at(c, r).ch);
    const auto end = line.find_last_not_of(' ');
    line.erase(end == std::string::npos ? 0 : end + 1);
    return charset::cp852_to_utf8(line);
  }
  // Columns from..to of a row, UTF-8.
  std::string text(int row, int from, int to) const {
    std::string s;
    for (int c = from; c <= to; ++c) s += static_cast<char>(at(c, row).ch);
    return charset::cp852_to_utf8(s);
  }
};

inline Snapshot snapshot_of(const platform::Console& console) {
  Snapshot s;
  for (int r = 1; r <= platform::kScreenRows; ++r)
    for (int c = 1; c <= platform::kScreenCols; ++c) s.cells.push_back(console.get(c, r));
  return s;
}

// Collects a snapshot before every event the toolkit reads: shots[k] is the
// screen before the (k+1)-th event.
class ScreenCapture {
 public:
  explicit ScreenCapture(ui::Ui& ui) : shots_(std::make_shared<std::vector<Snapshot>>()) {
    auto shots = shots_;
    ui.toolkit.idle_hook = [shots](ui::Ui& u) { shots->push_back(snapshot_of(u.console)); };
  }
  explicit ScreenCapture(ScriptedUi& sr) : ScreenCapture(sr.ui()) {}
  explicit ScreenCapture(ScriptedRun& sr) : ScreenCapture(sr.ui()) {}
  const std::vector<Snapshot>& shots() const { return *shots_; }
  const Snapshot& before_event(int n) const { return shots_->at(static_cast<std::size_t>(n - 1)); }
  const Snapshot& last() const { return shots_->back(); }

 private:
  std::shared_ptr<std::vector<Snapshot>> shots_;
};

}  // namespace vx::test
