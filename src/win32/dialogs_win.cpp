#include "win32/dialogs_win.h"

#include "common/runtime_error.h"
#include "win32/late_library.h"
#include "win32/wide.h"

#include <commdlg.h>

#include <vector>

namespace tw::win {
namespace {

// "a|b|c|d" as the double-NUL-terminated list the open-file dialog takes.
std::wstring dialogFilter(std::string_view filter) {
    std::wstring list = widen(filter);
    for (wchar_t& c : list)
        if (c == L'|') c = L'\0';
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

}  // namespace

int Win32Dialogs::messageBox(std::string_view text, int flags, std::string_view caption) {
    // Task-modal: every window of the program waits for the answer.
    return MessageBoxW(owner_(), widen(text).c_str(), widen(caption).c_str(),
                       static_cast<UINT>(flags) | MB_TASKMODAL | MB_SETFOREGROUND);
}

std::optional<std::string> Win32Dialogs::openFile(std::string_view filter) {
    static const auto open = lateFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    static const auto lastError = lateFunction<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
    // Without the dialog the user cannot pick a file, as when it fails to open.
    if (open == nullptr || lastError == nullptr) throw RuntimeError(err::DeviceUnavailable);
    const std::wstring filterList = dialogFilter(filter);
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner_();
    ofn.lpstrFilter = filterList.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.Flags = OFN_EXPLORER;
    if (open(&ofn)) return narrow(file.data());
    if (lastError() != 0) throw RuntimeError(err::DeviceUnavailable);
    return std::nullopt;
}

}  // namespace tw::win
