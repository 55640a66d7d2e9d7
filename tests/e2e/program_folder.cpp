#include "program_folder.h"

#include "remote.h"

#include <shellapi.h>

#include <stdexcept>

namespace tw::e2e {

std::wstring driverFolder() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring dir(self);
    dir.resize(dir.find_last_of(L'\\'));
    return dir;
}

namespace {

void copyOrThrow(const std::wstring& from, const std::wstring& to) {
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + narrow(from) + ": error " + std::to_string(GetLastError()));
}

void removeTree(const std::wstring& dir) {
    std::wstring from = dir;
    from.push_back(L'\0');  // SHFileOperation takes a double-NUL-terminated list
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
}

}  // namespace

ProgramFolder::ProgramFolder() {
    static int counter = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"tidewell-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    removeTree(root_);
    dir_ = root_ + L"\\Program Folder";
    cache_ = root_ + L"\\cache";
    CreateDirectoryW(root_.c_str(), nullptr);
    CreateDirectoryW(dir_.c_str(), nullptr);
    CreateDirectoryW(cache_.c_str(), nullptr);
    const std::wstring bin = driverFolder();
    copyOrThrow(bin + L"\\Tidewell32.exe", exe());
    copyOrThrow(bin + L"\\fake_browser.exe", browser());
}

ProgramFolder::~ProgramFolder() { removeTree(root_); }

std::string ProgramFolder::cacheUtf8() const { return narrow(cache_); }

void ProgramFolder::write(const std::wstring& name, const std::string& bytes) const {
    const std::wstring path = name.find(L'\\') == std::wstring::npos ? dir_ + L"\\" + name : name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + narrow(path));
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::optional<std::string> ProgramFolder::read(const std::wstring& name) const {
    const std::wstring path = name.find(L'\\') == std::wstring::npos ? dir_ + L"\\" + name : name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
    CloseHandle(file);
    return bytes;
}

void ProgramFolder::remove(const std::wstring& name) const { DeleteFileW((dir_ + L"\\" + name).c_str()); }

void ProgramFolder::writeSettings(const std::string& cacheDir, int images, int html, int unknown) const {
    write(L"tidew.ini", "\"" + cacheDir + "\"\r\n" + std::to_string(images) + "\r\n" + std::to_string(html) +
                            "\r\n" + std::to_string(unknown) + "\r\n");
}

void ProgramFolder::writeBrowser(const std::string& path) const { write(L"user.ini", "\"" + path + "\"\r\n"); }

void ProgramFolder::addCacheFile(const std::wstring& name, std::size_t size) const {
    write(cache_ + L"\\" + name, std::string(size, 'x'));
}

bool ProgramFolder::cacheHas(const std::wstring& name) const {
    return GetFileAttributesW((cache_ + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace tw::e2e
