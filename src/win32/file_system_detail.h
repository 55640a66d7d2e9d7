// The directory search under the file system's listings, apart for the
// Win32 layer's test that fails a visitor.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace tw::win {

// Calls `visit` for each entry of a directory but "." and "..". The search
// is closed on every way out, a throwing visitor included.
void forEachEntry(std::string_view directory, const std::function<void(const WIN32_FIND_DATAW&)>& visit);

}  // namespace tw::win
