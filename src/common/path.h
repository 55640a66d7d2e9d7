// Paths in the platform's form: components separated by one backslash.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// `name` inside `directory`: one backslash between them unless the directory
// already ends in one ("C:\" and "C:" both give "C:\name"; "" gives "\name",
// the root of the current drive). An empty name gives the directory with its
// trailing backslash.
std::string joinPath(std::string_view directory, std::string_view name);

}  // namespace tw
