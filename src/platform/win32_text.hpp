#pragma once
// The edge between the program's CP852 text and the UTF-16 of the Win32
// calls.
#include <string>
#include <string_view>

namespace vx::platform::win32 {

std::wstring to_wide(std::string_view cp852);
std::string from_wide(std::wstring_view wide);

}  // namespace vx::platform::win32
