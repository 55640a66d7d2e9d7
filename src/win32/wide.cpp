#include "win32/wide.h"

#include "common/runtime_error.h"
#include "win32/wide_detail.h"

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

namespace detail {

CodePageFlags codePageFlags(unsigned codePage) {
    // UTF-8 holds every text, and the system refuses the best-fit flag and a
    // default-character report for it.
    if (codePage == CP_UTF8) return {0, false};
    return {WC_NO_BEST_FIT_CHARS, true};
}

}  // namespace detail

std::string utf8ToCodePage(std::string_view utf8, unsigned codePage) {
    const std::wstring wide = widen(utf8);
    if (wide.empty()) return {};
    const detail::CodePageFlags chosen = detail::codePageFlags(codePage);
    const DWORD flags = chosen.flags;
    BOOL lossy = FALSE;
    BOOL* lossyReport = chosen.reportsLoss ? &lossy : nullptr;
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

}  // namespace tw::win
