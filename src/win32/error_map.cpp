#include "win32/error_map.h"

#include "win32/wide.h"

#include <windows.h>

namespace tw::win {
namespace {

struct ErrorRow {
    DWORD win32;
    int classic;
};

// clang-format off
constexpr ErrorRow kErrorMap[] = {
    {ERROR_FILE_NOT_FOUND,        err::FileNotFound},
    {ERROR_PATH_NOT_FOUND,        err::PathNotFound},
    {ERROR_BAD_PATHNAME,          err::PathNotFound},
    {ERROR_DIRECTORY,             err::PathNotFound},
    {ERROR_BAD_NETPATH,           err::PathNotFound},
    {ERROR_BAD_NET_NAME,          err::PathNotFound},
    {ERROR_TOO_MANY_OPEN_FILES,   err::TooManyFiles},
    {ERROR_ACCESS_DENIED,         err::PathFileAccessError},
    {ERROR_SHARING_VIOLATION,     err::PathFileAccessError},
    {ERROR_LOCK_VIOLATION,        err::PathFileAccessError},
    {ERROR_INVALID_DRIVE,         err::DeviceUnavailable},
    {ERROR_DEV_NOT_EXIST,         err::DeviceUnavailable},
    {ERROR_WRITE_PROTECT,         err::PermissionDenied},
    {ERROR_NOT_READY,             err::DiskNotReady},
    {ERROR_HANDLE_DISK_FULL,      err::DiskFull},
    {ERROR_DISK_FULL,             err::DiskFull},
    {ERROR_FILE_EXISTS,           err::FileAlreadyExists},
    {ERROR_ALREADY_EXISTS,        err::FileAlreadyExists},
    {ERROR_INVALID_NAME,          err::BadFileName},
    {ERROR_FILENAME_EXCED_RANGE,  err::BadFileName},
    {ERROR_CRC,                   err::DeviceIO},
    {ERROR_READ_FAULT,            err::DeviceIO},
    {ERROR_WRITE_FAULT,           err::DeviceIO},
    {ERROR_GEN_FAILURE,           err::DeviceIO},
};
// clang-format on

}  // namespace

int classicErrorNumber(unsigned long win32Error) {
    for (const ErrorRow& row : kErrorMap)
        if (row.win32 == win32Error) return row.classic;
    // Anything else is an access error: the cleaning then leaves the file
    // alone and goes on, which is the safe reading of an unknown failure.
    return err::PathFileAccessError;
}

std::string systemMessage(unsigned long win32Error) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, win32Error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n != 0 && buffer != nullptr ? std::wstring(buffer, n) : std::wstring();
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) return "System error " + std::to_string(win32Error) + ".";
    return narrow(text);
}

void throwError(unsigned long win32Error) {
    throw RuntimeError(classicErrorNumber(win32Error), systemMessage(win32Error));
}

void throwLastError() { throwError(GetLastError()); }

}  // namespace tw::win
