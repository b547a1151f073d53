#pragma once
// Calls the personnel filters the way the record copies do, on records built
// field by field, and checks what they wrote.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "charset/polish.hpp"
#include "driver/session.hpp"
#include "personnel/staff.hpp"
#include "support/fixture.hpp"
#include "support/scripted_run.hpp"

namespace vx::test {

struct Filtered {
  bool written = false;
  Bytes record;
};

// An old-to-new filter over one source record, into a zeroed new record.
using StaffFilter = bool (*)(personnel::Staff&, ConstRecordView, RecordView);
inline Filtered apply(StaffFilter filter, personnel::Staff& staff, const Record& old) {
  Filtered out{false, Bytes(old.bytes().size(), 0)};
  out.written = filter(staff, ConstRecordView{old.bytes()}, RecordView{out.record});
  return out;
}

inline void convert_mazovia_to_852(Session& run) { run.cs = {1, charset::kMazovia, charset::kCp852}; }

// Offsets at which two records differ; empty when equal.
inline std::vector<std::size_t> differences(const Bytes& a, const Bytes& b) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (a[i] != b[i]) at.push_back(i);
  return at;
}

// A record whose every byte is set, so that a byte carried from the wrong
// place shows.
inline Record patterned(std::size_t size) {
  Record r(size);
  for (std::size_t i = 0; i < size; ++i) r.bytes()[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return r;
}

// The screen cell colour (foreground) at a column and row.
inline int colour_at(ScriptedRun& sr, int col, int row) {
  return sr.console().get(col, row).attr & 0x0F;
}

// Whether a text was on screen while the program waited for a key.
inline bool shown_at_key_wait(const ScriptedRun& sr, std::string_view utf8) {
  return sr.output().find(utf8) != std::string::npos;
}

}  // namespace vx::test
