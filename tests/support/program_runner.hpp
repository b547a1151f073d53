#pragma once
// Runs build/vx17-18 in headless mode with a key script.
#include <map>
#include <string>
#include <vector>

namespace vx::test {

struct ProgramResult {
  int exit_code = -1;
  std::string output;                    // everything on standard output
  std::string errors;                    // standard error
  std::vector<std::vector<std::string>> screens;  // each dump's 25 rows, the last one the end screen
  std::vector<std::string> final_screen() const { return screens.empty() ? std::vector<std::string>{} : screens.back(); }
  // Whether some screen holds the text.
  bool shows(const std::string& text) const;
  int count(const std::string& text) const;
};

struct ProgramRun {
  std::vector<std::string> arguments;
  std::string script;                 // key script lines
  std::map<std::string, std::string> environment = {};  // added to a clean environment, over its defaults
  std::string program = {};           // defaults to the built program
  std::string working_dir = {};
  // When set, the program is sent this signal after so many microseconds
  // unless it ended before (POSIX only).
  long signal_after_us = -1;
  int signal = 9;
  // The key script's end is not the end of the input: a key read past it
  // waits (for the signal) instead of ending the run (POSIX only).
  bool hold_input = false;
};

ProgramResult run_program(const ProgramRun& r);

// The program's file name in the build ("vx17-18", "vx17-18.exe").
inline constexpr const char* kProgramFileName = VX_PROGRAM_NAME;

// Shared by the runners of both systems.
std::string slurp_file(const std::string& path);
std::vector<std::vector<std::string>> split_screens(const std::string& output);

}  // namespace vx::test
