#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/program_runner.hpp"
#include "support/win32_process.hpp"

namespace vx::test {

namespace {

// One argument as the C runtime's command-line parser splits it back.
std::wstring quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  std::size_t slashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++slashes;
      continue;
    }
    out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
    slashes = 0;
    out += c;
  }
  out.append(slashes * 2, L'\\');
  return out + L"\"";
}

std::string parent_value(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

// The child's environment: clean, but with what Windows needs to start a
// program at all.
std::wstring environment_block(const std::map<std::string, std::string>& extra) {
  std::map<std::string, std::string> env = {{"VX_CONSOLE", "script"}};
  for (const char* name : {"SystemRoot", "windir", "SystemDrive", "PATH", "TEMP", "TMP", "USERPROFILE"})
    if (const std::string v = parent_value(name); !v.empty()) env[name] = v;
  for (const auto& [k, v] : extra) env[k] = v;
  std::wstring block;
  for (const auto& [k, v] : env) block += wide(k + "=" + v) + L'\0';
  return block + L'\0';
}

HANDLE inheritable(const std::filesystem::path& p, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE h = CreateFileW(p.wstring().c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + p.string());
  return h;
}

}  // namespace

ProgramResult run_program(const ProgramRun& r) {
  static std::atomic<int> serial{0};
  const auto base = std::filesystem::temp_directory_path() /
                    ("vxrun" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(serial++));
  const auto in_name = base.string() + ".in", out_name = base.string() + ".out",
             err_name = base.string() + ".err";
  {
    std::ofstream script(in_name, std::ios::binary);
    script << r.script;
    if (!script) throw std::runtime_error("cannot write the key script");
  }
  HANDLE in = inheritable(in_name, GENERIC_READ, OPEN_EXISTING);
  HANDLE out = inheritable(out_name, GENERIC_WRITE, CREATE_ALWAYS);
  HANDLE err = inheritable(err_name, GENERIC_WRITE, CREATE_ALWAYS);

  std::string program = r.program.empty() ? std::string(VX_PROGRAM) : r.program;
  std::replace(program.begin(), program.end(), '/', '\\');
  std::wstring command = quoted(wide(program));
  for (const auto& a : r.arguments) command += L" " + quoted(wide(a));
  std::wstring env = environment_block(r.environment);
  const std::wstring dir = wide(r.working_dir);

  PROCESS_INFORMATION pi{};
  const bool started = start_with_handles(wide(program), command, in, out, err,
                                          CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, env.data(),
                                          dir.empty() ? nullptr : dir.c_str(), pi);
  const DWORD start_error = started ? 0 : GetLastError();
  CloseHandle(in);
  CloseHandle(out);
  CloseHandle(err);
  ProgramResult res;
  if (started) {
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    res.exit_code = static_cast<int>(code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  res.output = slurp_file(out_name);
  res.errors = slurp_file(err_name);
  if (!started) {
    res.exit_code = 127;  // as a failed exec
    res.errors += "could not start " + program + " (error " + std::to_string(start_error) + ")\n";
  }
  res.screens = split_screens(res.output);
  std::error_code ec;
  for (const auto& name : {in_name, out_name, err_name}) std::filesystem::remove(name, ec);
  return res;
}

}  // namespace vx::test
