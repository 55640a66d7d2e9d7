// The harness behind session.h.
#include "session.h"

#include "temp_tree_win.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace tw::e2e {
namespace fs = std::filesystem;

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// Asked by a message: another process's controls keep their text to themselves.
std::string windowText(HWND hwnd) {
    wchar_t buffer[4096];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                             &length))
        return "<no answer>";
    return narrow(std::wstring_view(buffer, length));
}

ProgramFolder::ProgramFolder() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path bin = fs::path(self).parent_path();
    root_ = test::makeTempFolder(L"tidewell-e2e-");
    dir_ = root_ + L"\\Program Folder";
    cache_ = root_ + L"\\cache";
    fs::create_directories(dir_);
    fs::create_directories(cache_);
    fs::copy_file(bin / "Tidewell32.exe", exe());
    fs::copy_file(bin / "fake_browser.exe", browser());
}

ProgramFolder::~ProgramFolder() { test::removeTree(root_); }

void ProgramFolder::write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream(fs::path(path(name)), std::ios::binary) << bytes;
}

std::optional<std::string> ProgramFolder::read(const std::wstring& name) const {
    std::ifstream file(fs::path(path(name)), std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

Session::Session(const ProgramFolder& folder) {
    std::wstring commandLine = L"\"" + folder.exe() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(folder.exe().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.root().c_str(), &startup, &info_))
        throw std::runtime_error("cannot start " + narrow(folder.exe()) + ": error " + std::to_string(GetLastError()));
}

Session::~Session() {
    if (!waitForExit(0ms) && TerminateProcess(info_.hProcess, 99) && !waitForExit(5s))
        ADD_FAILURE() << "the program outlived its scenario";
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND Session::topLevel(const wchar_t* className) const {
    const bool box = lstrcmpW(className, L"#32770") == 0;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, className, nullptr)) != nullptr;) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == info_.dwProcessId && (!box || IsWindowVisible(w))) return w;
    }
    return nullptr;
}

bool Session::waitReady() {
    return waitFor([&] {
        main_ = topLevel(L"frmTidewell");
        const HWND s = topLevel(L"frmStart");
        return main_ != nullptr && IsWindowVisible(main_) && s != nullptr && !IsWindowVisible(s);
    });
}

HWND Session::lookUp(Element element) const {
    const Element parent = specOf(element).parent;
    HWND container = parent == Element::frmTidewell ? main_ : lookUp(parent);
    return container == nullptr ? nullptr : GetDlgItem(container, win::controlId(element));
}

HWND Session::find(Element element) const {
    HWND control = lookUp(element);
    if (control == nullptr) throw std::runtime_error("no control for " + std::string(specOf(element).name));
    return control;
}

std::string Session::answerBox(int buttonId) {
    HWND box = waitForMessageBox();
    if (box == nullptr) throw std::runtime_error("no message box appeared");
    const std::string caption = windowText(box);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
    if (!waitFor([&] { return !IsWindow(box); })) throw std::runtime_error("the message box stayed open");
    return caption;
}

}  // namespace tw::e2e
