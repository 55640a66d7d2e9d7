// A stand-in for the browser: records how it was started in
// "browser_started.txt" beside itself, then ends. The record holds the
// command line, the show style and each argument as the system parses it.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring record(self);
    record.resize(record.find_last_of(L'\\') + 1);
    record += L"browser_started.txt";

    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    const int style = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    std::wstring content =
        L"command line: " + std::wstring(GetCommandLineW()) + L"\r\nshow style: " + std::to_wstring(style) + L"\r\n";
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; i < count; ++i) content += L"argument: " + std::wstring(arguments[i]) + L"\r\n";
    LocalFree(arguments);

    std::string utf8(content.size() * 3, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, content.data(), static_cast<int>(content.size()), utf8.data(),
                                      static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(n));
    HANDLE file = CreateFileW(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
