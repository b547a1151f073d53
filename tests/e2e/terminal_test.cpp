// The program on a real terminal rather than the headless console: a
// terminal that cannot place the cursor is refused in plain words.
#include <gtest/gtest.h>

#if !defined(_WIN32)

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/fixture.hpp"
#include "support/program_runner.hpp"

namespace vx::test {
namespace {

// A terminfo entry in its compiled form: an 80 x 25 screen that clears,
// homes and steps the cursor cell by cell, but cannot address it ("cup").
Bytes entry_without_cup() {
  const std::string names = "vx-nocup|terminal without cursor addressing";
  const std::vector<std::uint8_t> booleans = {0, 1};  // bw, am
  const std::vector<int> numbers = {80, 8, 25};       // cols, it, lines
  std::vector<std::string> strings(20);               // by index; empty: absent
  strings[1] = "\a";                                  // bel
  strings[2] = "\r";                                  // cr
  strings[5] = "\x1B[H\x1B[2J";                       // clear
  strings[6] = "\x1B[K";                              // el
  strings[11] = "\n";                                 // cud1
  strings[12] = "\x1B[H";                             // home
  strings[14] = "\b";                                 // cub1
  strings[17] = "\x1B[C";                             // cuf1
  strings[19] = "\x1B[A";                             // cuu1 (cup, index 10, stays absent)
  std::string table;
  std::vector<int> offsets;
  for (const auto& s : strings) {
    offsets.push_back(s.empty() ? -1 : static_cast<int>(table.size()));
    if (!s.empty()) table += s + '\0';
  }
  Bytes out;
  const auto put16 = [&](int v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
  };
  for (const int v : {0432, static_cast<int>(names.size() + 1), static_cast<int>(booleans.size()),
                      static_cast<int>(numbers.size()), static_cast<int>(strings.size()),
                      static_cast<int>(table.size())})
    put16(v);
  out.insert(out.end(), names.begin(), names.end());
  out.push_back(0);
  out.insert(out.end(), booleans.begin(), booleans.end());
  if ((names.size() + 1 + booleans.size()) % 2) out.push_back(0);  // numbers start even
  for (const int v : numbers) put16(v);
  for (const int v : offsets) put16(v);
  out.insert(out.end(), table.begin(), table.end());
  return out;
}

TEST(Terminal, WithoutCursorAddressingTheProgramRefusesInPlainWords) {
  TempDir dir;
  write_file(dir / "v" / "vx-nocup", entry_without_cup());
  const struct {
    std::string term;
    std::map<std::string, std::string> more;
    bool refused;
  } cases[] = {
      {"dumb", {}, true},
      {"vx-nocup", {{"TERMINFO", dir.str()}}, true},
      // A terminal that can: curses takes it over, and the run then ends
      // for want of a keyboard.
      {"xterm", {{"LINES", "25"}, {"COLUMNS", "80"}}, false},
  };
  for (const auto& c : cases) {
    auto env = c.more;
    env["VX_CONSOLE"] = "tty";
    env["TERM"] = c.term;
    const auto r = run_program({.arguments = {}, .script = "", .environment = env});
    EXPECT_EQ(r.exit_code, 1) << c.term;
    const std::string refusal = "vx17-18: the terminal \"" + c.term + "\" cannot move the cursor";
    if (c.refused) {
      EXPECT_TRUE(r.errors.starts_with(refusal)) << c.term << ": " << r.errors;
      EXPECT_EQ(r.output, "") << c.term;  // not a byte to the terminal
    } else {
      EXPECT_EQ(r.errors, "vx17-18: the keyboard is gone\n") << c.term;
      EXPECT_NE(r.output.find("\x1B[H\x1B[2J"), std::string::npos) << c.term;  // the screen cleared
    }
  }
}

}  // namespace
}  // namespace vx::test

#endif
