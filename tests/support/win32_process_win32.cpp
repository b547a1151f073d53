#include "support/win32_process.hpp"

namespace vx::test {

std::wstring wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

bool start_with_handles(const std::wstring& program, std::wstring command, HANDLE in, HANDLE out,
                        HANDLE err, DWORD flags, wchar_t* env, const wchar_t* dir,
                        PROCESS_INFORMATION& started) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = in;
  si.hStdOutput = out;
  si.hStdError = err;
  // Wine now and then refuses a start under load and takes the same one a
  // moment later: a few tries before the test is failed for it.
  for (int tries = 0;; ++tries) {
    started = {};
    if (CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, flags, env, dir, &si, &started))
      return true;
    if (tries == 20) return false;
    Sleep(100);
  }
}

}  // namespace vx::test
