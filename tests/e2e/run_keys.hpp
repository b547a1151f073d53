#pragma once
// Key scripts of the personnel runs and what the screen showed at each key
// wait: the dump before the k-th scripted key (from 0) is screen k.
#include <string>

#include "support/program_runner.hpp"

namespace vx::test {

// Page 3 radio groups: person_scope is the second control, pit_scope the third.
inline std::string wizard_with_scopes(int person_scope, int pit_scope) {
  std::string keys = "PgDn\nPgDn\nTab\n";
  for (int i = 0; i < person_scope; ++i) keys += "Down\n";
  if (person_scope) keys += "Space\n";
  keys += "Tab\n";
  for (int i = 0; i < pit_scope; ++i) keys += "Down\n";
  if (pit_scope) keys += "Space\n";
  return keys + "PgDn\nF5\n";
}

// Page 1: the character standard's second choice, Mazovia to code page 852.
inline std::string wizard_converting() { return "Tab\nTab\nDown\nSpace\nPgDn\nPgDn\nPgDn\nF5\n"; }

inline int keys_in(const std::string& script) {
  int n = 0;
  for (const char c : script) n += c == '\n';
  return n;
}

// Every scripted key was taken at a wait and no wait came on top: one dump
// per key and the end screen.
inline bool waited_exactly_for_every_key(const ProgramResult& r, const std::string& script) {
  return r.exit_code == 0 && static_cast<int>(r.screens.size()) == keys_in(script) + 1;
}

// The last line printed in the progress window (rows 6 to 19) when the
// program waited for key k.
inline std::string last_line_at_key(const ProgramResult& r, int k) {
  if (k < 0 || static_cast<std::size_t>(k) >= r.screens.size()) return {};
  const auto& screen = r.screens[static_cast<std::size_t>(k)];
  std::string last;
  for (std::size_t row = 5; row < 19 && row < screen.size(); ++row) {
    const auto first = screen[row].find_first_not_of(' ');
    if (first != std::string::npos) last = screen[row].substr(first);
  }
  return last;
}

// How many rows of the screen at key k hold the text.
inline int rows_at_key(const ProgramResult& r, int k, const std::string& text) {
  if (k < 0 || static_cast<std::size_t>(k) >= r.screens.size()) return 0;
  int n = 0;
  for (const auto& row : r.screens[static_cast<std::size_t>(k)]) n += row.find(text) != std::string::npos;
  return n;
}

}  // namespace vx::test
