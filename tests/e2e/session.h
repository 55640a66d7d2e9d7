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
#include <memory>
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

class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::wstring& root() const { return root_; }
    const std::wstring& dir() const { return dir_; }
    std::wstring exe() const { return dir_ + L"\\Tidewell32.exe"; }
    std::wstring browser() const { return dir_ + L"\\browser.exe"; }
    std::string cacheUtf8() const;

    // A file of the program folder, or any file named by its full path.
    void write(const std::wstring& name, const std::string& bytes) const;
    std::optional<std::string> read(const std::wstring& name) const;
    void remove(const std::wstring& name) const;

    // "tidew.ini" and "user.ini" in the form the program writes them.
    void writeSettings(const std::string& cacheDir, int images, int html, int unknown = 0) const {
        write(L"tidew.ini", "\"" + cacheDir + "\"\r\n" + std::to_string(images) + "\r\n" + std::to_string(html) +
                                "\r\n" + std::to_string(unknown) + "\r\n");
    }
    void writeBrowser(const std::string& path) const { write(L"user.ini", "\"" + path + "\"\r\n"); }

    void addCacheFile(const std::wstring& name, std::size_t size = 10) const {
        write(cache_ + L"\\" + name, std::string(size, 'x'));
    }
    bool cacheHas(const std::wstring& name) const { return read(cache_ + L"\\" + name).has_value(); }

private:
    std::wstring path(const std::wstring& name) const {
        return name.find(L'\\') == std::wstring::npos ? dir_ + L"\\" + name : name;
    }

    std::wstring root_, dir_, cache_;
};

class Session {
public:
    // Starts the program with another folder as its current directory.
    explicit Session(const ProgramFolder& folder) : program_(std::make_unique<Program>(folder.exe(), folder.root())) {}

    Program& program() { return *program_; }
    HWND main() const { return main_; }
    HWND start() const { return program_->topLevel(L"frmStart"); }

    // Waits until start-up is over: the main window visible, frmStart hidden.
    bool waitReady(std::chrono::milliseconds limit = kDefaultWait);

    HWND find(Element element) const;
    std::string text(Element element) const { return windowText(find(element)); }
    void type(Element field, const std::string& value) const {
        const std::wstring wide = widen(value);
        SendMessageTimeoutW(find(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG, 5000,
                            nullptr);
    }
    bool visible(Element element) const { return IsWindowVisible(find(element)) != FALSE; }
    int checkValue(Element box) const { return static_cast<int>(SendMessageW(find(box), BM_GETCHECK, 0, 0)); }
    void click(Element element) const { e2e::click(find(element)); }
    // Alt and a letter: the access key of a caption, or of a menu entry.
    void press(char letter) const { PostMessageW(main_, WM_SYSCHAR, static_cast<WPARAM>(letter), 1 << 29); }
    // Menus cannot be read across processes under Wine: the item is chosen by its element.
    void menu(Element item) const { PostMessageW(main_, WM_COMMAND, MAKEWPARAM(win::controlId(item), 0), 0); }

    // One message-box exchange: waits for a box, reads it, answers it.
    BoxContent answerBox(int buttonId);

private:
    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

}  // namespace tw::e2e
