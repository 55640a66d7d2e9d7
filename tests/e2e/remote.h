// Driving the real Tidewell32.exe from another process, as a user would:
// finding its windows and controls, reading them, clicking and answering
// its message boxes. Every wait is bounded and says what it waited for.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tw::e2e {

using namespace std::chrono_literals;
inline constexpr auto kDefaultWait = 20s;

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);

// Polls `condition` until it holds or `limit` passes; returns whether it held.
bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = kDefaultWait);

class Program {
public:
    // Starts `exe` with its own folder as neither current directory nor
    // anything else it could rely on: the working directory is `workingDir`.
    Program(const std::wstring& exe, const std::wstring& workingDir);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    bool running() const;
    // Waits for the process to end; its exit code, or nothing on time-out.
    std::optional<DWORD> waitForExit(std::chrono::milliseconds limit = kDefaultWait);
    void kill();

    // A top-level window of this process with the given class.
    HWND topLevel(const wchar_t* className) const;
    HWND waitForTopLevel(const wchar_t* className, bool visible, std::chrono::milliseconds limit = kDefaultWait);
    // The message box (#32770) the program shows, if any.
    HWND messageBox() const;
    HWND waitForMessageBox(std::chrono::milliseconds limit = kDefaultWait);

private:
    PROCESS_INFORMATION info_{};
};

std::string windowText(HWND hwnd);
std::string className(HWND hwnd);
std::vector<HWND> descendants(HWND parent);
// The child's rectangle relative to its parent's client area.
RECT rectInParent(HWND child);
RECT clientRect(HWND hwnd);
RECT windowRect(HWND hwnd);

// Clicks a button the way the mouse would, without waiting for what the
// click opens (a modal box would block a sent message).
void click(HWND button);
// Chooses a menu command by its identifier.
void chooseMenu(HWND window, UINT commandId);

struct BoxContent {
    std::string caption;
    std::string text;
};
BoxContent readMessageBox(HWND box);
// Presses IDOK, IDYES or IDNO in a message box.
void answerMessageBox(HWND box, int buttonId);

// The index of the list box item showing `label`, or -1.
int listIndexOf(HWND list, const std::string& label);
// Selects the item and double-clicks it, without waiting for what follows.
void doubleClickItem(HWND list, int index);

}  // namespace tw::e2e
