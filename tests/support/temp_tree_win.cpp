#include "temp_tree_win.h"

#include <windows.h>

#include <stdexcept>

namespace tw::test {
namespace {

std::wstring verbatim(const std::wstring& path) { return path.rfind(L"\\\\?\\", 0) == 0 ? path : L"\\\\?\\" + path; }

template <class Visit>
void forEachChild(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") visit(name, data.dwFileAttributes);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

// One pass, deepest first; what stays (a file still open) waits for the next.
// A link to a folder goes itself, never what it points to.
void removeOnce(const std::wstring& path, DWORD attributes) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == FILE_ATTRIBUTE_DIRECTORY)
        forEachChild(path, [&](const std::wstring& name, DWORD a) { removeOnce(path + L"\\" + name, a); });
    if (!DeleteFileW(path.c_str())) RemoveDirectoryW(path.c_str());
}

}  // namespace

bool removeTree(const std::wstring& folder, std::chrono::milliseconds limit) {
    const std::wstring path = verbatim(folder);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (DWORD attributes; (attributes = GetFileAttributesW(path.c_str())) != INVALID_FILE_ATTRIBUTES; Sleep(50)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        removeOnce(path, attributes);
    }
    return true;
}

std::wstring makeTempFolder(const std::wstring& prefix) {
    static int serial = 0;
    wchar_t buffer[MAX_PATH + 1];
    std::wstring temp(buffer, GetTempPathW(MAX_PATH + 1, buffer));
    if (!temp.empty() && temp.back() == L'\\') temp.pop_back();
    // Wine reuses process numbers: a folder of this name may be an earlier run's.
    const std::wstring folder =
        temp + L"\\" + prefix + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
    removeTree(folder);
    if (!CreateDirectoryW(verbatim(folder).c_str(), nullptr))
        throw std::runtime_error("cannot create a temporary folder (error " + std::to_string(GetLastError()) + ")");
    return folder;
}

}  // namespace tw::test
