#include "win32/process_starter_win.h"

#include "win32/error_map.h"
#include "win32/wide.h"

#include <windows.h>

#include <vector>

namespace tw::win {

void Win32ProcessStarter::start(std::string_view commandLine, std::string_view applicationName, int showStyle) {
    const std::wstring line = widen(commandLine);
    std::vector<wchar_t> mutableLine(line.begin(), line.end());  // CreateProcessW may write to it
    mutableLine.push_back(L'\0');
    const std::wstring application = widen(applicationName);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showStyle);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.empty() ? nullptr : application.c_str(), mutableLine.data(), nullptr,
                        nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throwLastError();
    // The browser runs on its own; nothing here waits for it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace tw::win
