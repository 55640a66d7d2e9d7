// A unique folder under the system's temporary folder, removed with all it
// holds, and the plain Win32 calls the tests use to look at real files.
#pragma once

#include "platform/win32/wide.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace tw::test {

// The verbatim form (\\?\) reaches long paths and names the plain form alters.
inline std::wstring unlimited(const std::string& path) { return L"\\\\?\\" + win::widen(path); }

[[noreturn]] inline void fail(const std::string& what) {
    throw std::runtime_error(what + " (error " + std::to_string(GetLastError()) + ")");
}

inline void removeTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data)) {
        const std::wstring name = data.cFileName, child = path + L"\\" + name;
        if (name == L"." || name == L"..") continue;
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(child);
        else DeleteFileW(child.c_str());
    }
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    RemoveDirectoryW(path.c_str());
}

inline void writeFile(const std::string& path, const std::string& bytes, DWORD attributes = 0) {
    if (!(std::ofstream(std::filesystem::path(unlimited(path)), std::ios::binary) << bytes) ||
        (attributes != 0 && !SetFileAttributesW(unlimited(path).c_str(), attributes)))
        fail("cannot write " + path);
}

// The first bytes of a file, or "<missing>".
inline std::string headOf(const std::string& path, std::size_t limit = 1 << 16) {
    std::ifstream file(std::filesystem::path(unlimited(path)), std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}).substr(0, limit) : "<missing>";
}

// Holds a file open without sharing, as another program might; INVALID_HANDLE_VALUE on failure.
inline HANDLE lockFile(const std::string& path) {
    return CreateFileW(unlimited(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

class TempFolder {
public:
    TempFolder() {
        static int serial = 0;
        const std::string name = "tw-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
        root_ = win::narrow((std::filesystem::temp_directory_path() / name).wstring());
        removeTree(unlimited(root_));  // Wine reuses process numbers
        if (!CreateDirectoryW(unlimited(root_).c_str(), nullptr)) fail("cannot create " + root_);
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
