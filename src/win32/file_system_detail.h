// The directory reading under the file system's listings, apart for the
// Win32 layer's test that fails a visitor.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>

namespace tw::win {

// One entry of a directory as its listing gives it.
struct ListedEntry {
    std::wstring_view name;
    DWORD attributes;
    std::uint64_t length;
};

// Calls `visit` for each entry of a directory but "." and "..". The
// directory is closed on every way out, a throwing visitor included.
void forEachEntry(std::string_view directory, const std::function<void(const ListedEntry&)>& visit);

}  // namespace tw::win
