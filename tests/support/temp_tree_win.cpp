#include "temp_tree_win.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

namespace tw::test {
namespace {

std::wstring verbatim(const std::wstring& path) {
    return path.rfind(L"\\\\?\\", 0) == 0 ? path : L"\\\\?\\" + path;
}

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
void removeOnce(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        if (!DeleteFileW(path.c_str())) RemoveDirectoryW(path.c_str());
        return;
    }
    forEachChild(path, [&](const std::wstring& name, DWORD) { removeOnce(path + L"\\" + name); });
    RemoveDirectoryW(path.c_str());
}

std::wstring tempDirectory() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
    std::wstring path(buffer, n);
    while (!path.empty() && path.back() == L'\\') path.pop_back();
    return path;
}

bool processRuns(DWORD id) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (process == nullptr) return false;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

void removeLeftovers(const std::wstring& temp, const std::wstring& prefix) {
    forEachChild(verbatim(temp), [&](const std::wstring& name, DWORD attributes) {
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || name.rfind(prefix, 0) != 0) return;
        const DWORD owner = wcstoul(name.c_str() + prefix.size(), nullptr, 10);
        if (owner != GetCurrentProcessId() && !processRuns(owner)) removeTree(temp + L"\\" + name);
    });
}

}  // namespace

bool removeTree(const std::wstring& folder, std::chrono::milliseconds limit) {
    const std::wstring path = verbatim(folder);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        removeOnce(path);
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(50);
    }
}

std::wstring makeTempFolder(const std::wstring& prefix) {
    static int serial = 0;
    const std::wstring temp = tempDirectory();
    if (serial == 0) removeLeftovers(temp, prefix);
    // Wine reuses process numbers: a folder of this name may be an earlier run's.
    const std::wstring folder =
        temp + L"\\" + prefix + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
    removeTree(folder);
    if (!CreateDirectoryW(verbatim(folder).c_str(), nullptr))
        throw std::runtime_error("cannot create a temporary folder (error " + std::to_string(GetLastError()) + ")");
    return folder;
}

}  // namespace tw::test
