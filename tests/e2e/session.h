// One run of Tidewell32.exe from a program folder, with its windows found by
// the same layout tables the program is built from.
#pragma once

#include "program_folder.h"
#include "remote.h"
#include "ui/element.h"

#include <memory>

namespace tw::e2e {

class Session {
public:
    // Starts the program with another folder as its current directory.
    explicit Session(const ProgramFolder& folder);

    Program& program() { return *program_; }
    HWND main() const { return main_; }
    HWND start() const;

    // Waits until start-up is over: the main window visible, frmStart hidden.
    // Boxes shown during start-up are left for the test to answer.
    bool waitReady(std::chrono::milliseconds limit = kDefaultWait);

    // The control of an element, found by its rectangle in its parent.
    HWND find(Element element) const;
    std::string text(Element element) const { return windowText(find(element)); }
    bool visible(Element element) const { return IsWindowVisible(find(element)) != FALSE; }
    int checkValue(Element box) const;
    void click(Element element) const { e2e::click(find(element)); }
    // Chooses a menu command. Menus cannot be read across processes under
    // Wine, so the item is named by its element.
    void menu(Element item) const;

    // Whether the element's area on screen shows this colour somewhere.
    bool showsColour(Element element, COLORREF colour) const;

    // Runs one message-box exchange: waits for a box, reads it, answers it.
    BoxContent answerBox(int buttonId);

private:
    std::unique_ptr<Program> program_;
    HWND main_ = nullptr;
};

}  // namespace tw::e2e
