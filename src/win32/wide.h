// UTF-8 inside the program, UTF-16 at the Win32 API, the ANSI code page in
// the settings files.
#pragma once

#include <string>
#include <string_view>

namespace tw::win {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// Text in a code page (the settings files' ANSI code page, which may be
// UTF-8 itself). Throws RuntimeError when the text has no form there:
// writing a substitute, or nothing, would store another path than the user's.
std::string utf8ToCodePage(std::string_view utf8, unsigned codePage);
std::string codePageToUtf8(std::string_view bytes, unsigned codePage);

}  // namespace tw::win
