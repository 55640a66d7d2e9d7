// One run of Tidewell32.exe from a program folder, with its controls found
// by the identifiers the program gives each element.
#pragma once

#include "platform/win32/control_ids.h"
#include "program_folder.h"
#include "remote.h"

#include <memory>

namespace tw::e2e {

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
    // Menus cannot be read across processes under Wine: the item is chosen by its element.
    void menu(Element item) const { PostMessageW(main_, WM_COMMAND, MAKEWPARAM(win::controlId(item), 0), 0); }

    // One message-box exchange: waits for a box, reads it, answers it.
    BoxContent answerBox(int buttonId);

private:
    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

}  // namespace tw::e2e
