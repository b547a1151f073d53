#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "charset/utf8.hpp"
#include "platform/process.hpp"
#include "platform/win32_text.hpp"

namespace vx::platform {

namespace {

// A system call that fills a wide buffer and tells the length it needs.
template <typename Call>
std::wstring wide_result(Call call) {
  std::wstring buf(MAX_PATH + 1, L'\0');
  for (;;) {
    const DWORD n = call(buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};
    if (n < buf.size()) {
      buf.resize(n);
      return buf;
    }
    buf.resize(buf.size() * 2);
  }
}

}  // namespace

ProcessInfo process_info(int argc, char** argv) {
  ProcessInfo info;
  info.own_path = win32::from_wide(
      wide_result([](wchar_t* b, DWORD n) { return GetModuleFileNameW(nullptr, b, n); }));
  if (info.own_path.empty() && argc > 0) info.own_path = argv[0];
  // The arguments in their Unicode form, not the ANSI code page's.
  int count = 0;
  if (wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) info.arguments.push_back(win32::from_wide(args[i]));
    LocalFree(args);
  } else {
    for (int i = 1; i < argc; ++i) info.arguments.emplace_back(argv[i]);
  }
  info.current_directory = win32::from_wide(
      wide_result([](wchar_t* b, DWORD n) { return GetCurrentDirectoryW(n, b); }));
  return info;
}

std::string environment_value(const std::string& name) {
  const std::wstring key = win32::to_wide(name);
  return win32::from_wide(wide_result(
      [&key](wchar_t* b, DWORD n) { return GetEnvironmentVariableW(key.c_str(), b, n); }));
}

bool stdin_is_terminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

bool stdout_is_terminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

std::string system_temp_directory() {
  return win32::from_wide(wide_result([](wchar_t* b, DWORD n) { return GetTempPathW(n, b); }));
}

bool write_standard(StandardStream stream, std::string_view cp852) {
  const bool output = stream == StandardStream::kOutput;
  const HANDLE handle = GetStdHandle(output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    // A console shows what it is given in its own code page: it gets the
    // characters themselves.
    const std::wstring text = win32::to_wide(cp852);
    DWORD written = 0;
    return WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
  }
  std::FILE* out = output ? stdout : stderr;
  const std::string text = charset::cp852_text_to_utf8(cp852);
  return std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
}

void use_binary_standard_streams() {
  ::_setmode(::_fileno(stdin), _O_BINARY);
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
}

}  // namespace vx::platform
