#pragma once
// The edge between the program's CP852 text and the UTF-8 of the terminal,
// the key script, the command line and the Linux file system.
#include <string>
#include <string_view>

namespace vx::charset {

// Screen form: bytes below 0x20 become the DOS glyphs they show as.
std::string cp852_to_utf8(std::string_view cp852);
// Text form: control bytes (line ends) stay as they are.
std::string cp852_text_to_utf8(std::string_view cp852);
// Characters that CP852 lacks become '?'; malformed bytes are taken as Latin-1.
std::string utf8_to_cp852(std::string_view utf8);
// Well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing above U+10FFFF.
bool is_valid_utf8(std::string_view s);
// Appends the UTF-8 form of one code point.
void append_utf8(std::string& out, char32_t c);
// Decodes the next code point at s[i] (advancing i); malformed bytes come
// back one by one as themselves.
char32_t next_code_point(std::string_view s, std::size_t& i);

}  // namespace vx::charset
