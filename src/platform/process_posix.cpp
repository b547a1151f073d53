#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "charset/utf8.hpp"
#include "platform/process.hpp"

namespace vx::platform {

ProcessInfo process_info(int argc, char** argv) {
  ProcessInfo info;
  std::string exe;
  char buf[PATH_MAX + 1];
  const ssize_t n = ::readlink("/proc/self/exe", buf, PATH_MAX);
  if (n > 0) {
    exe.assign(buf, static_cast<std::size_t>(n));
  } else if (argc > 0) {
    exe = argv[0];
  }
  info.own_path = charset::utf8_to_cp852(exe);
  for (int i = 1; i < argc; ++i) info.arguments.push_back(charset::utf8_to_cp852(argv[i]));
  if (::getcwd(buf, sizeof buf)) info.current_directory = charset::utf8_to_cp852(buf);
  return info;
}

std::string environment_value(const std::string& name) {
  const char* v = std::getenv(name.c_str());
  return v ? charset::utf8_to_cp852(v) : std::string();
}

bool stdin_is_terminal() { return ::isatty(0) == 1; }
bool stdout_is_terminal() { return ::isatty(1) == 1; }

std::string system_temp_directory() {
  std::error_code ec;
  const auto p = std::filesystem::temp_directory_path(ec);
  return ec ? std::string() : charset::utf8_to_cp852(p.string());
}

bool write_standard(StandardStream stream, std::string_view cp852) {
  std::FILE* out = stream == StandardStream::kOutput ? stdout : stderr;
  const std::string text = charset::cp852_text_to_utf8(cp852);
  return std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
}

void use_binary_standard_streams() {}  // POSIX streams never translate

}  // namespace vx::platform
