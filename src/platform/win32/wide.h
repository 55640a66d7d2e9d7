// UTF-8 inside the program, UTF-16 at the Win32 API, the ANSI code page in
// the settings files.
#pragma once

#include <string>
#include <string_view>

namespace tw::win {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// Throws RuntimeError when a character has no form in the ANSI code page:
// writing a substitute would store a different path than the user's.
std::string utf8ToAnsi(std::string_view utf8);
std::string ansiToUtf8(std::string_view ansi);

// A path the wide file functions accept at any length.
std::wstring longPath(std::string_view utf8Path);

}  // namespace tw::win
