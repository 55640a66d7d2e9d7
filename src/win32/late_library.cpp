#include "win32/late_library.h"

#include <string>

namespace tw::win::detail {

FARPROC lateFunction(const wchar_t* library, const char* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    // Never freed: what it made (an accessible object, a dialog's state) may
    // outlive the call that asked for it.
    HMODULE module = LoadLibraryW((std::wstring(folder, length) + L"\\" + library).c_str());
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

}  // namespace tw::win::detail
