// A unique folder under the system's temporary folder, removed with all it
// holds, and the plain Win32 calls the tests use to look at real files.
#pragma once

#include "platform/win32/wide.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace tw::test {

// The unlimited form (\\?\) reaches long paths and names the plain form alters.
inline std::wstring unlimited(const std::string& path) { return L"\\\\?\\" + win::widen(path); }

[[noreturn]] inline void fail(const std::string& what) {
    throw std::runtime_error(what + " (error " + std::to_string(GetLastError()) + ")");
}

inline void removeTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(child);
            else DeleteFileW(child.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

inline void writeFile(const std::string& path, const std::string& bytes, DWORD attributes = 0) {
    HANDLE h = CreateFileW(unlimited(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) fail("cannot create " + path);
    DWORD written = 0;
    const bool ok = bytes.empty() || WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    if (!ok) fail("cannot write " + path);
    if (attributes != 0 && !SetFileAttributesW(unlimited(path).c_str(), attributes)) fail("cannot mark " + path);
}

// The first bytes of a file, or "<missing>".
inline std::string headOf(const std::string& path, DWORD limit = 1 << 16) {
    HANDLE h = CreateFileW(unlimited(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(limit, '\0');
    DWORD read = 0;
    ReadFile(h, bytes.data(), limit, &read, nullptr);
    CloseHandle(h);
    bytes.resize(read);
    return bytes;
}

// Holds a file open without sharing, as another program might; -1 on failure.
inline HANDLE lockFile(const std::string& path) {
    return CreateFileW(unlimited(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

class TempFolder {
public:
    TempFolder() {
        wchar_t temp[MAX_PATH + 1];
        if (GetTempPathW(MAX_PATH + 1, temp) == 0) fail("no temporary folder");
        // Wine reuses process numbers: a folder an aborted run left is skipped.
        static int serial = 0;
        do {
            root_ = win::narrow(temp) + "tw-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(++serial);
        } while (!CreateDirectoryW(unlimited(root_).c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
        if (GetFileAttributesW(unlimited(root_).c_str()) == INVALID_FILE_ATTRIBUTES) fail("cannot create " + root_);
    }
    ~TempFolder() { removeTree(unlimited(root_)); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& root() const { return root_; }
    std::string at(const std::string& relative) const { return root_ + "\\" + relative; }
    void makeDirectory(const std::string& relative) const {
        if (!CreateDirectoryW(unlimited(at(relative)).c_str(), nullptr)) fail("cannot create " + relative);
    }

private:
    std::string root_;
};

}  // namespace tw::test
