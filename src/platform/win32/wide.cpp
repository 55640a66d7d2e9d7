#include "platform/win32/wide.h"

#include "platform/runtime_error.h"

#include <windows.h>

namespace tw::win {

// One conversion call each, into a buffer of the largest size the result
// can take: names and paths are converted once per cached file.
std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    std::wstring out(utf8.size(), L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                      static_cast<int>(out.size()));
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    std::string out(utf16.size() * 3, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(),
                                      static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string utf8ToAnsi(std::string_view utf8) {
    const std::wstring wide = widen(utf8);
    if (wide.empty()) return {};
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, &lossy);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, &lossy);
    if (lossy) {
        throw RuntimeError(err::BadFileName,
                           "It contains characters that the system's code page for settings files cannot hold.");
    }
    return out;
}

std::string ansiToUtf8(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
    return narrow(wide);
}

std::wstring longPath(std::string_view utf8Path) {
    std::wstring path = widen(utf8Path);
    // Below MAX_PATH the plain form keeps the platform's own path rules.
    if (path.size() < 240 || path.rfind(L"\\\\", 0) == 0) return path;
    // The prefix turns those rules off, so apply them first: a doubled
    // backslash (a directory stored with its trailing one) must still work.
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD n = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (n == 0 || n >= size) return path;
    full.resize(n);
    const bool driveAbsolute = full.size() >= 3 && full[1] == L':' && full[2] == L'\\';
    return driveAbsolute ? L"\\\\?\\" + full : full;
}

}  // namespace tw::win
