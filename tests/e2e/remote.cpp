#include "remote.h"

#include <stdexcept>
#include <thread>

namespace tw::e2e {

std::wstring widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string narrow(const std::wstring& utf16) {
    if (utf16.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr, nullptr);
    return out;
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
}

Program::Program(const std::wstring& exe, const std::wstring& workingDir) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.c_str(), &startup, &info_))
        throw std::runtime_error("cannot start " + narrow(exe) + ": error " + std::to_string(GetLastError()));
    WaitForInputIdle(info_.hProcess, 10000);
}

Program::~Program() {
    if (running()) kill();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Program::running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Program::waitForExit(std::chrono::milliseconds limit) {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void Program::kill() {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
}

namespace {

struct TopLevelSearch {
    DWORD pid;
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK findTopLevel(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid) return TRUE;
    wchar_t name[64];
    GetClassNameW(hwnd, name, 64);
    if (lstrcmpW(name, search->className) != 0) return TRUE;
    if (lstrcmpW(search->className, L"#32770") == 0 && !IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

HWND Program::topLevel(const wchar_t* cls) const {
    TopLevelSearch search{info_.dwProcessId, cls};
    EnumWindows(findTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::waitForTopLevel(const wchar_t* cls, bool visible, std::chrono::milliseconds limit) {
    HWND found = nullptr;
    waitFor(
        [&] {
            found = topLevel(cls);
            return found != nullptr && (IsWindowVisible(found) != FALSE) == visible;
        },
        limit);
    return found != nullptr && (IsWindowVisible(found) != FALSE) == visible ? found : nullptr;
}

HWND Program::messageBox() const { return topLevel(L"#32770"); }

HWND Program::waitForMessageBox(std::chrono::milliseconds limit) {
    HWND box = nullptr;
    waitFor([&] { return (box = messageBox()) != nullptr; }, limit);
    return box;
}

std::string windowText(HWND hwnd) {
    wchar_t buffer[4096];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                             &length))
        return "<no answer>";
    return narrow(std::wstring(buffer, length));
}

std::string className(HWND hwnd) {
    wchar_t name[128];
    const int n = GetClassNameW(hwnd, name, 128);
    return narrow(std::wstring(name, static_cast<std::size_t>(n)));
}

namespace {

BOOL CALLBACK collect(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> descendants(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

RECT rectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT clientRect(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return r;
}

RECT windowRect(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return r;
}

void click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void chooseMenu(HWND window, UINT commandId) { PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0); }

BoxContent readMessageBox(HWND box) {
    return {windowText(box), windowText(GetDlgItem(box, 0xFFFF))};
}

void answerMessageBox(HWND box, int buttonId) {
    HWND button = GetDlgItem(box, buttonId);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

int listIndexOf(HWND list, const std::string& label) {
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) >= 1024) continue;
        wchar_t item[1024] = {};
        const auto length = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        if (length > 0 && narrow(std::wstring(item, static_cast<std::size_t>(length))) == label) return i;
    }
    return -1;
}

void doubleClickItem(HWND list, int index) {
    // A list box reports a double click on the selected item, not on the one under the pointer.
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int y = (index - static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0))) * height + height / 2;
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(8, y));
}

}  // namespace tw::e2e
