// The verbatim path form (\\?\): the wide file functions take it at any
// length and pass its names on untouched, so a listed "con.jpg" names that
// file, not a device, and "page.htm." keeps its dot.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw::win {

// An absolute path in the verbatim form: C:\x becomes \\?\C:\x (and a
// drive's root without its backslash, C:, becomes \\?\C:), \\server\share\x
// becomes \\?\UNC\server\share\x. A path that is verbatim already, a relative
// one or a device's comes back as given.
std::wstring verbatimPath(std::wstring_view fullPath);

// A verbatim path in its plain form; any other path as given.
std::wstring plainPath(std::wstring_view path);

// The path the system makes of `path` by its own rules (the current
// directory, "..", doubled backslashes); none when it cannot.
std::optional<std::wstring> fullPathName(const std::wstring& path);

// A path the wide file functions accept at any length.
std::wstring longPath(std::string_view utf8Path);

}  // namespace tw::win
