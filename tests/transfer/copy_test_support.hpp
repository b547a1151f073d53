#pragma once
// What the copy tests look at on the screen: rows by their text, the colour
// of a row's cells.
#include <cstdint>
#include <string>
#include <string_view>

#include "support/scripted_run.hpp"

namespace vx::test {

// The first screen row (from 1) that starts with the UTF-8 text; 0 if none.
inline int row_starting(const ScriptedRun& r, std::string_view utf8) {
  const auto rows = r.screen();
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].starts_with(utf8)) return static_cast<int>(i + 1);
  return 0;
}

// True when the cells of a row from column `from` to `to` all carry the
// colour (attribute byte, black background).
inline bool row_coloured(ScriptedRun& r, int row, std::uint8_t colour, int from, int to) {
  for (int col = from; col <= to; ++col)
    if (r.console().get(col, row).attr != colour) return false;
  return true;
}

inline std::string path_of(const std::filesystem::path& p) { return p.string(); }

}  // namespace vx::test
