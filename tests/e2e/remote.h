// Driving the real Tidewell32.exe from another process, as a user would:
// finding its windows, reading them, clicking and answering its message
// boxes. Every wait is bounded.
#pragma once

#include "platform/win32/wide.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace tw::e2e {

using namespace std::chrono_literals;
using win::narrow;
using win::widen;
inline constexpr auto kDefaultWait = 20s;

// Polls `condition` until it holds or `limit` passes; returns whether it held.
bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = kDefaultWait);

class Program {
public:
    // Starts `exe` with `workingDir` as its current directory.
    Program(const std::wstring& exe, const std::wstring& workingDir);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
    // Whether the program ended in time.
    bool waitForExit(std::chrono::milliseconds limit = kDefaultWait) const {
        return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
    }

    // A top-level window of this process with the given class; of the message
    // boxes (#32770) only a visible one.
    HWND topLevel(const wchar_t* className) const;
    HWND messageBox() const { return topLevel(L"#32770"); }
    HWND waitForMessageBox(std::chrono::milliseconds limit = kDefaultWait) const {
        HWND box = nullptr;
        waitFor([&] { return (box = messageBox()) != nullptr; }, limit);
        return box;
    }

private:
    PROCESS_INFORMATION info_{};
};

std::string windowText(HWND hwnd);
// Clicks a button without waiting for what the click opens.
inline void click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

struct BoxContent {
    std::string caption;
    std::string text;
};
inline BoxContent readMessageBox(HWND box) { return {windowText(box), windowText(GetDlgItem(box, 0xFFFF))}; }
// Presses IDOK, IDYES or IDNO in a message box.
inline void answerMessageBox(HWND box, int button) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

}  // namespace tw::e2e
