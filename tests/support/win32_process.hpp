#pragma once
// Starting another program from a Windows test: UTF-8 text as the wide
// strings the system takes, and a child given its three standard handles.
#include <windows.h>

#include <string>

namespace vx::test {

std::wstring wide(const std::string& utf8);

// Starts program with the whole command line; env and dir may be null for
// the test's own. False when the program could not be started.
bool start_with_handles(const std::wstring& program, std::wstring command, HANDLE in, HANDLE out,
                        HANDLE err, DWORD flags, wchar_t* env, const wchar_t* dir,
                        PROCESS_INFORMATION& started);

}  // namespace vx::test
