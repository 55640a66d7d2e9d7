#include "win32/wide.h"

#include "common/runtime_error.h"

#include <windows.h>

#include <algorithm>

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
    // Most names are plain ASCII: copied as they are, short ones without
    // taking memory from the heap.
    if (std::all_of(utf16.begin(), utf16.end(), [](wchar_t c) { return c < 0x80; })) {
        std::string ascii(utf16.size(), '\0');
        std::transform(utf16.begin(), utf16.end(), ascii.begin(), [](wchar_t c) { return static_cast<char>(c); });
        return ascii;
    }
    std::string out(utf16.size() * 3, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(),
                                      static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string utf8ToCodePage(std::string_view utf8, unsigned codePage) {
    const std::wstring wide = widen(utf8);
    if (wide.empty()) return {};
    // UTF-8 holds every text, and the system refuses the best-fit flag and a
    // default-character report for it.
    const bool utf8Page = codePage == CP_UTF8;
    const DWORD flags = utf8Page ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* lossyReport = utf8Page ? nullptr : &lossy;
    const int length = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, lossyReport);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n <= 0 || WideCharToMultiByte(codePage, flags, wide.data(), length, out.data(), n, nullptr, lossyReport) != n)
        throw RuntimeError(err::BadFileName, "The text could not be converted to the system's code page.");
    if (lossy) {
        throw RuntimeError(err::BadFileName,
                           "It contains characters that the system's code page for settings files cannot hold.");
    }
    return out;
}

std::string codePageToUtf8(std::string_view bytes, unsigned codePage) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n <= 0 || MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), n) != n)
        throw RuntimeError(err::BadFileName, "The file could not be read in the system's code page.");
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
