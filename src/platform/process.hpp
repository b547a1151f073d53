#pragma once
// What the program learns from its process: its own path, its arguments,
// the environment and the current directory, all as CP852 text.
#include <string>
#include <string_view>
#include <vector>

namespace vx::platform {

struct ProcessInfo {
  std::string own_path;                 // full path of the running program
  std::vector<std::string> arguments;   // without the program name
  std::string current_directory;
};

ProcessInfo process_info(int argc, char** argv);

// The variable's value, or empty when it is not set.
std::string environment_value(const std::string& name);

// Whether standard input, or standard output, is a terminal.
bool stdin_is_terminal();
bool stdout_is_terminal();

// A line of CP852 text for a person on standard output or error: in the
// console's own characters on a Windows console, UTF-8 anywhere else. False
// when nobody reads it (a closed pipe).
enum class StandardStream { kOutput, kError };
bool write_standard(StandardStream stream, std::string_view cp852);

// The system's directory for temporary files (CP852), or empty.
std::string system_temp_directory();

// Standard input, output and error pass bytes as they are: no line-end
// translation, so that scripts and screen dumps are the same everywhere.
void use_binary_standard_streams();

}  // namespace vx::platform
