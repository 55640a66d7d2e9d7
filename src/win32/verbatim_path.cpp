#include "win32/verbatim_path.h"

#include "win32/wide.h"

#include <windows.h>

namespace tw::win {
namespace {

constexpr std::wstring_view kVerbatim = L"\\\\?\\";
constexpr std::wstring_view kVerbatimUnc = L"\\\\?\\UNC\\";

// Below this length the plain form is kept, with the platform's own path rules.
constexpr std::size_t kPlainPathLimit = 240;

bool startsWith(std::wstring_view text, std::wstring_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

std::wstring verbatimPath(std::wstring_view fullPath) {
    if (startsWith(fullPath, kVerbatim)) return std::wstring(fullPath);
    if (startsWith(fullPath, L"\\\\") && !startsWith(fullPath, L"\\\\.\\"))
        return std::wstring(kVerbatimUnc) + std::wstring(fullPath.substr(2));
    if (fullPath.size() >= 2 && fullPath[1] == L':')
        return std::wstring(kVerbatim) + std::wstring(fullPath);
    return std::wstring(fullPath);
}

std::wstring plainPath(std::wstring_view path) {
    if (startsWith(path, kVerbatimUnc)) return L"\\\\" + std::wstring(path.substr(kVerbatimUnc.size()));
    if (startsWith(path, kVerbatim)) return std::wstring(path.substr(kVerbatim.size()));
    return std::wstring(path);
}

std::optional<std::wstring> fullPathName(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD n = size ? GetFullPathNameW(path.c_str(), size, full.data(), nullptr) : 0;
    if (n == 0 || n >= size) return std::nullopt;
    full.resize(n);
    return full;
}

std::wstring longPath(std::string_view utf8Path) {
    std::wstring path = widen(utf8Path);
    if (path.size() < kPlainPathLimit || startsWith(path, kVerbatim)) return path;
    // The prefix turns the platform's path rules off, so apply them first: a
    // doubled backslash (a directory stored with its trailing one) must still work.
    const std::optional<std::wstring> full = fullPathName(path);
    return full ? verbatimPath(*full) : path;
}

}  // namespace tw::win
