#include "temp_tree_win.h"

#include <windows.h>

#include <filesystem>
#include <stdexcept>

namespace tw::test {

bool removeTree(const std::wstring& folder) {
    const std::filesystem::path root(L"\\\\?\\" + folder);
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ignored))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(root, ignored);
    return !std::filesystem::exists(root, ignored);
}

std::wstring makeTempFolder(const std::wstring& prefix) {
    static int serial = 0;
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    // Wine reuses process numbers: a folder of this name may be an earlier run's.
    const std::wstring folder = std::wstring(temp, length) + prefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(++serial);
    removeTree(folder);
    if (!CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr))
        throw std::runtime_error("cannot create a temporary folder (error " + std::to_string(GetLastError()) + ")");
    return folder;
}

}  // namespace tw::test
