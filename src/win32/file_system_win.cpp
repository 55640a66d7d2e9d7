#include "win32/file_system_win.h"

#include "win32/error_map.h"
#include "win32/verbatim_path.h"
#include "win32/wide.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace tw::win {
namespace {

// Settings files are a few lines; anything larger is read only this far.
constexpr DWORD kMaxSettingsBytes = 16u << 20;

// A kernel handle closed on every path out of its scope.
template <auto close>
class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE h) : h_(h) {}
    ~UniqueHandle() {
        if (valid()) close(h_);
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};
using Handle = UniqueHandle<&CloseHandle>;
using FindHandle = UniqueHandle<&FindClose>;

// A directory's entries come in batches, one call into the system each; a
// cache holds tens of thousands of them. Network shares may refuse batches
// over 64 KB.
constexpr DWORD kLargeBatch = 1u << 20;
constexpr DWORD kNetworkBatch = 64u << 10;

// A directory opened for listing; a missing one is a path not found.
HANDLE openDirectory(std::string_view directory) {
    std::wstring path = longPath(directory);
    if (path.size() == 2 && path[1] == L':') path += L'\\';  // "C:" alone would mean C:'s current directory
    const HANDLE dir = CreateFileW(path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (dir == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        throwError(error == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : error);
    }
    return dir;
}

// The name a replacement is written under before it takes the target's
// place: beside the target, never a name a user's file may have, and telling
// which process wrote it.
std::wstring replacementName(const std::wstring& target, DWORD writer, int n) {
    return target + L"." + std::to_wstring(writer) + L"-" + std::to_wstring(n) + L".tmp";
}

// The writer of a file named by replacementName for a target of that file
// name; nothing for any other name.
std::optional<DWORD> replacementWriter(std::wstring_view targetName, std::wstring_view name) {
    const auto same = [](std::wstring_view a, std::wstring_view b) {
        return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                                    TRUE) == CSTR_EQUAL;
    };
    // The decimal number at the front of `rest`, then `separator`.
    const auto number = [&](std::wstring_view& rest, std::wstring_view separator) -> std::optional<DWORD> {
        std::size_t digits = 0;
        unsigned long long value = 0;
        while (digits < rest.size() && rest[digits] >= L'0' && rest[digits] <= L'9' && digits < 10)
            value = value * 10 + static_cast<unsigned>(rest[digits++] - L'0');
        if (digits == 0 || value > MAXDWORD || !same(rest.substr(digits, separator.size()), separator))
            return std::nullopt;
        rest.remove_prefix(digits + separator.size());
        return static_cast<DWORD>(value);
    };
    if (name.size() <= targetName.size() || !same(name.substr(0, targetName.size()), targetName) ||
        name[targetName.size()] != L'.')
        return std::nullopt;
    std::wstring_view rest = name.substr(targetName.size() + 1);
    const std::optional<DWORD> writer = number(rest, L"-");
    if (!writer || !number(rest, L".tmp") || !rest.empty()) return std::nullopt;
    return writer;
}

bool processRuns(DWORD id) {
    const Handle process(OpenProcess(SYNCHRONIZE, FALSE, id));
    return process.valid() && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

bool isDirectory(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info;
    return GetFileInformationByHandle(handle, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// One entry of a directory as its listing gives it.
struct ListedEntry {
    std::wstring_view name;
    DWORD attributes;
    std::uint64_t length;
};

// Calls `visit` for each entry of a directory but "." and "..". The
// directory is closed on every way out, a throwing visitor included.
void forEachEntry(std::string_view directory, const std::function<void(const ListedEntry&)>& visit) {
    const Handle dir(openDirectory(directory));
    if (!isDirectory(dir.get())) throwError(ERROR_DIRECTORY);  // a file named as the directory: a path not found
    DWORD batch = kLargeBatch;
    const auto buffer = std::make_unique_for_overwrite<std::uint64_t[]>(batch / sizeof(std::uint64_t));
    for (;;) {
        if (!GetFileInformationByHandleEx(dir.get(), FileIdBothDirectoryInfo, buffer.get(), batch)) {
            const DWORD error = GetLastError();
            if (error == ERROR_INVALID_PARAMETER && batch > kNetworkBatch) {
                batch = kNetworkBatch;
                continue;
            }
            if (error == ERROR_NO_MORE_FILES || error == ERROR_FILE_NOT_FOUND) return;  // the end, or an empty root
            throwError(error);
        }
        const auto* bytes = reinterpret_cast<const char*>(buffer.get());
        for (;;) {
            const auto& entry = *reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(bytes);
            const std::wstring_view name(entry.FileName, entry.FileNameLength / sizeof(wchar_t));
            if (name != L"." && name != L"..")
                visit({name, entry.FileAttributes, static_cast<std::uint64_t>(entry.EndOfFile.QuadPart)});
            if (entry.NextEntryOffset == 0) break;
            bytes += entry.NextEntryOffset;
        }
    }
}


bool writeAll(HANDLE file, std::string_view bytes) {
    DWORD written = 0;
    return bytes.empty() ||
           (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size());
}

// Each component of a plain directory path as the disk spells it; the path
// as given when any component cannot be looked up.
std::wstring diskSpelling(const std::wstring& directory) {
    const std::size_t rootEnd = directory.find(L'\\');
    if (rootEnd == std::wstring::npos) return directory;
    std::wstring spelled = directory.substr(0, rootEnd);
    for (std::size_t at = rootEnd + 1; at < directory.size();) {
        std::size_t end = directory.find(L'\\', at);
        if (end == std::wstring::npos) end = directory.size();
        const std::wstring candidate = spelled + L'\\' + directory.substr(at, end - at);
        WIN32_FIND_DATAW data;
        if (!FindHandle(FindFirstFileW(candidate.c_str(), &data)).valid()) return directory;
        spelled += L'\\';
        spelled += data.cFileName;
        at = end + 1;
    }
    return spelled;
}

// A directory in the verbatim form (\\?\) that passes a file name on
// untouched: a listed "con.jpg" or "page.htm." must name that file, not a
// device or "page.htm".
std::wstring verbatimDirectory(const std::wstring& directory) {
    // "C:" alone would mean C:'s current directory.
    const std::optional<std::wstring> resolved = fullPathName(directory + L'\\');
    if (!resolved) return directory;
    std::wstring full = plainPath(*resolved);
    while (full.size() > 2 && full.back() == L'\\') full.pop_back();
    full = diskSpelling(full);
    const std::wstring verbatim = verbatimPath(full);
    return verbatim != full ? verbatim : directory;
}

}  // namespace

Win32FileSystem::Win32FileSystem(unsigned codePage) : codePage_(codePage != 0 ? codePage : GetACP()) {}

std::string Win32FileSystem::programDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) throwLastError();
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.resize(path.find_last_of(L'\\'));
    return narrow(plainPath(path));
}

std::string Win32FileSystem::readTextFile(std::string_view path) {
    Handle file(CreateFileW(longPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) throwLastError();
    std::string bytes;
    char buffer[64 * 1024];
    DWORD read = 0;
    while (bytes.size() < kMaxSettingsBytes) {
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) throwLastError();
        if (read == 0) break;
        bytes.append(buffer, read);
    }
    return codePageToUtf8(bytes, codePage_);
}

void Win32FileSystem::replaceTextFile(std::string_view path, std::string_view utf8) {
    const std::string ansi = utf8ToCodePage(utf8, codePage_);
    const std::wstring target = longPath(path);
    // Windows refuses to replace a read-only file, Wine does not: refuse on both.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throwError(ERROR_ACCESS_DENIED);
    // A name of our own beside the target, never a file the user may have.
    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int n = 0; created == INVALID_HANDLE_VALUE; ++n) {
        temporary = replacementName(target, GetCurrentProcessId(), n);
        created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) throwLastError();
    }
    DWORD error = ERROR_SUCCESS;
    {
        Handle file(created);
        if (!writeAll(file.get(), ansi) || !FlushFileBuffers(file.get())) error = GetLastError();
    }
    if (error != ERROR_SUCCESS) {
        // The old file is untouched; only the half-written copy goes.
        DeleteFileW(temporary.c_str());
        throwError(error);
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        throwError(error);
    }
}

void Win32FileSystem::removeInterruptedReplacements(std::string_view path) {
    const std::wstring target = longPath(path);
    const std::size_t slash = target.find_last_of(L'\\');
    if (slash == std::wstring::npos) return;
    const std::wstring_view folder = std::wstring_view(target).substr(0, slash + 1);
    const std::wstring_view targetName = std::wstring_view(target).substr(slash + 1);
    WIN32_FIND_DATAW found;
    // The pattern only narrows the search; the rule above decides.
    const FindHandle find(FindFirstFileExW((target + L".*.tmp").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0));
    if (!find.valid()) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::optional<DWORD> writer = replacementWriter(targetName, found.cFileName);
        // A running writer may be between its last write and the move.
        if (!writer || processRuns(*writer)) continue;
        DeleteFileW((std::wstring(folder) + found.cFileName).c_str());
    } while (FindNextFileW(find.get(), &found));
}

void Win32FileSystem::createEmptyFile(std::string_view path) {
    Handle file(CreateFileW(longPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) throwLastError();
}

bool Win32FileSystem::createNewFile(std::string_view path) {
    const std::wstring target = longPath(path);
    const Handle file(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.valid()) return true;
    const DWORD error = GetLastError();
    // A directory of that name may refuse access rather than say it exists.
    if (error != ERROR_FILE_EXISTS &&
        (error != ERROR_ACCESS_DENIED || GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES))
        throwError(error);
    return false;
}

std::wstring Win32FileSystem::onDiskPath(std::string_view path) {
    const std::wstring given = widen(path);
    const std::size_t slash = given.find_last_of(L'\\');
    if (slash == std::wstring::npos) return longPath(path);
    const std::wstring_view directory = std::wstring_view(given).substr(0, slash);
    if (directory != askedDirectory_) {
        askedDirectory_ = directory;
        diskDirectory_ = verbatimDirectory(askedDirectory_);
    }
    return diskDirectory_ + given.substr(slash);
}

void Win32FileSystem::deleteFile(std::string_view path) {
    if (!DeleteFileW(onDiskPath(path).c_str())) throwLastError();
}

bool Win32FileSystem::fileExists(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(longPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<ListedFile> Win32FileSystem::listFiles(std::string_view directory) {
    // As the classic file list: ordinary, archive and read-only files; hidden
    // and system files stay out of the list and so out of reach of cleaning.
    constexpr DWORD kLeftOut = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    std::vector<ListedFile> files;
    forEachEntry(directory, [&](const ListedEntry& entry) {
        if ((entry.attributes & kLeftOut) == 0) files.push_back({narrow(entry.name), entry.length});
    });
    return files;
}

std::vector<std::string> Win32FileSystem::listDirectories(std::string_view directory) {
    std::vector<std::string> names;
    forEachEntry(directory, [&](const ListedEntry& entry) {
        if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) names.push_back(narrow(entry.name));
    });
    return names;
}

}  // namespace tw::win
