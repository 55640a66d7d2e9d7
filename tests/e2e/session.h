// Driving the real Tidewell32.exe from another process, as a user would:
// a temporary program folder for each scenario, the program started from it,
// its controls found by the identifiers the program gives each element, read,
// clicked and typed into, and its message boxes answered. Every wait is bounded.
#pragma once

#include "win32/control_ids.h"
#include "win32/wide.h"

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

std::string windowText(HWND hwnd);


class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::wstring& root() const { return root_; }
    std::wstring exe() const { return dir_ + L"\\Tidewell32.exe"; }
    std::wstring browser() const { return dir_ + L"\\browser.exe"; }
    std::string cacheUtf8() const { return narrow(cache_); }

    // A file of the program folder, or any file named by its full path.
    void write(const std::wstring& name, const std::string& bytes) const;
    std::optional<std::string> read(const std::wstring& name) const;

    // "tidew.ini" naming the cache with the three switch values, and "user.ini"
    // naming the stand-in browser, in the form the program writes them.
    void writeSettings(int images, int html, int unknown = 0) const {
        write(L"tidew.ini", "\"" + cacheUtf8() + "\"\r\n" + std::to_string(images) + "\r\n" + std::to_string(html) +
                                "\r\n" + std::to_string(unknown) + "\r\n");
        write(L"user.ini", "\"" + narrow(browser()) + "\"\r\n");
    }

    void addCacheFile(const std::wstring& name) const { write(cache_ + L"\\" + name, "cached"); }
    bool cacheHas(const std::wstring& name) const { return read(cache_ + L"\\" + name).has_value(); }

private:
    std::wstring path(const std::wstring& name) const {
        return name.find(L'\\') == std::wstring::npos ? dir_ + L"\\" + name : name;
    }

    std::wstring root_, dir_, cache_;
};

// The program started from a folder, with another folder as its current directory.
class Session {
public:
    explicit Session(const ProgramFolder& folder);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Whether the program ended in time.
    bool waitForExit(std::chrono::milliseconds limit = kDefaultWait) const {
        return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
    }
    // A top-level window of the program with the given class; of the message
    // boxes (#32770) only a visible one.
    HWND topLevel(const wchar_t* className) const;
    HWND waitForMessageBox() const {
        HWND box = nullptr;
        waitFor([&] { return (box = topLevel(L"#32770")) != nullptr; });
        return box;
    }
    HWND main() const { return main_; }

    // Waits until start-up is over: the main window visible, frmStart hidden.
    bool waitReady();

    // The element's window; null for one the program has not made (yet).
    HWND lookUp(Element element) const;
    HWND find(Element element) const;
    std::string text(Element element) const { return windowText(find(element)); }
    void type(Element field, const std::string& value) const {
        const std::wstring wide = widen(value);
        SendMessageTimeoutW(find(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG, 5000,
                            nullptr);
    }
    bool visible(Element element) const { return IsWindowVisible(lookUp(element)) != FALSE; }
    // Clicks a button without waiting for what the click opens.
    void click(Element element) const { PostMessageW(find(element), BM_CLICK, 0, 0); }
    // Alt and a letter: the access key of a caption, or of a menu entry.
    void press(char letter) const { PostMessageW(main_, WM_SYSCHAR, static_cast<WPARAM>(letter), 1 << 29); }

    // One message-box exchange: waits for a box, presses IDOK, IDYES, IDNO or
    // IDCANCEL in it, and tells its caption.
    std::string answerBox(int buttonId);

private:
    PROCESS_INFORMATION info_{};
    HWND main_ = nullptr;
};

}  // namespace tw::e2e
