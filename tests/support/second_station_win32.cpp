#include <windows.h>

#include <stdexcept>
#include <string>

#include "support/second_station.hpp"
#include "support/win32_process.hpp"

// The other station is a process of its own (vx-station.exe) whose
// standard output says it holds the lock and whose standard input lets it
// go when it ends: Windows locks belong to the handle and the process that took them.
namespace vx::test {

namespace {

void close_handle(HANDLE& h) {
  if (h) CloseHandle(h);
  h = nullptr;
}

}  // namespace

struct SecondStation::Process {
  HANDLE process = nullptr;
  HANDLE holding = nullptr;  // read end of the station's standard output
  HANDLE release = nullptr;  // write end of its standard input
  int exit_code = -1;
};

SecondStation::SecondStation(StationJob job, const std::string& path) : process_(std::make_unique<Process>()) {
  auto& p = *process_;
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE child_out = nullptr, child_in = nullptr;
  if (!CreatePipe(&p.holding, &child_out, &inherited, 0) || !CreatePipe(&child_in, &p.release, &inherited, 0))
    throw std::runtime_error("no pipe for the second station");
  // Only the station's ends go to the station.
  SetHandleInformation(p.holding, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(p.release, HANDLE_FLAG_INHERIT, 0);

  std::wstring program = wide(VX_STATION_TOOL);
  for (auto& c : program)
    if (c == L'/') c = L'\\';
  std::wstring command = L"\"" + program + L"\" " + (job == StationJob::kHold ? L"hold" : L"insert") + L" \"" +
                         wide(path) + L"\"";
  PROCESS_INFORMATION pi{};
  const bool started = start_with_handles(program, command, child_in, child_out, child_out, CREATE_NO_WINDOW,
                                          nullptr, nullptr, pi);
  const DWORD start_error = started ? 0 : GetLastError();
  CloseHandle(child_out);
  CloseHandle(child_in);
  if (!started)
    throw std::runtime_error("the second station could not start (error " + std::to_string(start_error) + ")");
  CloseHandle(pi.hThread);
  p.process = pi.hProcess;
  char c = 0;
  DWORD got = 0;
  // The pipe breaks without a byte when the station ends without the lock.
  if (!ReadFile(p.holding, &c, 1, &got, nullptr) || got != 1 || c != 'x') {
    finish();
    throw std::runtime_error("the second station did not take the lock");
  }
}

SecondStation::~SecondStation() { finish(); }

void SecondStation::release() {
  auto& p = *process_;
  // The end of the pipe lets it go.
  close_handle(p.release);
}

int SecondStation::finish() {
  auto& p = *process_;
  release();
  if (!p.process) return p.exit_code;
  WaitForSingleObject(p.process, INFINITE);
  DWORD code = 0;
  p.exit_code = GetExitCodeProcess(p.process, &code) ? static_cast<int>(code) : -1;
  close_handle(p.process);
  close_handle(p.holding);
  return p.exit_code;
}

}  // namespace vx::test
