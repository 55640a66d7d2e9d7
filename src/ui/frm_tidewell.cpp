// The main window's event bindings and its own small reactions: the switches,
// the status-bar hints, the fixed size and the window's lifecycle events.
#include "ui/frm_tidewell.h"

#include "platform/runtime_error.h"
#include "ui/layout.h"
#include "ui/messages.h"

#include <string_view>

namespace tw {
namespace {

struct Hint {
    Element element;
    std::string_view text;
};

// Elements that change the status text when the pointer moves over them.
constexpr Hint kHints[] = {
    {Element::frmTidewell, ""},
    {Element::Frame1, ""},
    {Element::Manual, "Ready"},
    {Element::cmdExitManual, "Quit Manual Configuration"},
    {Element::cmdBrowseManual, "Manualy Find Directory"},
    {Element::cmdSaveManualCache, "Save selected directory as default"},
};

}  // namespace

const frmTidewell::ClickBinding frmTidewell::kClickBindings[] = {
    {Element::cmdExitManual, &frmTidewell::cmdExitManual_Click},
    {Element::cmdBrowseManual, &frmTidewell::cmdBrowseManual_Click},
    {Element::cmdSaveManualCache, &frmTidewell::cmdSaveManualCache_Click},
    {Element::cmdFindBrowser, &frmTidewell::cmdFindBrowser_Click},
    {Element::cmdCancelBrowser, &frmTidewell::cmdCancelBrowser_Click},
    {Element::cmdSaveBrowser, &frmTidewell::cmdSaveBrowser_Click},
    {Element::cmdCleanExit, &frmTidewell::cmdCleanExit_Click},
    {Element::cmdExit, &frmTidewell::cmdExit_Click},
    {Element::cmdLaunchBrowser, &frmTidewell::cmdLaunchBrowser_Click},
    {Element::cmdChange, &frmTidewell::cmdChange_Click},
    {Element::cmdClean, &frmTidewell::cmdClean_Click},
    {Element::menuSetBrowser, &frmTidewell::menuSetBrowser_Click},
    {Element::menuSetCache, &frmTidewell::menuSetCache_Click},
    {Element::menuAbout, &frmTidewell::menuAbout_Click},
};

frmTidewell::frmTidewell(Screen& screen, FileSystem& fs, Dialogs& dialogs, ProcessStarter& processes)
    : screen_(screen), fs_(fs), dialogs_(dialogs), processes_(processes), file1_(fs), dir1_(fs) {}

void frmTidewell::Click(Element element) {
    if (element == Element::AO || element == Element::BO) {
        // A click moves Preserve (or grayed) to Clean, and Clean to Preserve.
        SetSwitch(element, screen_.checkValue(element) == 1 ? 0 : 1);
        return;
    }
    for (const ClickBinding& binding : kClickBindings) {
        if (binding.element == element) {
            (this->*binding.handler)();
            return;
        }
    }
}

void frmTidewell::MouseMove(Element over) {
    for (const Hint& hint : kHints) {
        if (hint.element == over) {
            screen_.setText(Element::Sbar, hint.text);
            return;
        }
    }
}

void frmTidewell::SetSwitch(Element box, int value) {
    if (value < 0 || value > 2) throw RuntimeError(err::InvalidPropertyValue);
    if (screen_.checkValue(box) == value) return;
    screen_.setCheckValue(box, value);
    if (box == Element::CO)
        UnknownTypesReaction();
    else
        SwitchReaction(box);
}

void frmTidewell::SwitchReaction(Element box) {
    const bool clean = screen_.checkValue(box) == 1;
    screen_.setTextColour(box, clean ? colour::Clean : colour::Preserve);
    screen_.setText(box, clean ? "Clean" : "Preserve");
}

void frmTidewell::UnknownTypesReaction() { showMessage(dialogs_, Message::UnknownFileTypes); }

void frmTidewell::Resize() {
    try {
        screen_.setFormOuterSize(Element::frmTidewell, kMainOuterWidthTwips, kMainOuterHeightTwips);
    } catch (const RuntimeError&) {
        // Minimised windows cannot be sized; the next restore resizes again.
    }
}

void frmTidewell::menuAbout_Click() { showMessage(dialogs_, Message::About); }

void frmTidewell::Deactivate() { QuitTW(); }

void frmTidewell::Unload() { QuitTW(); }

void frmTidewell::Terminate() { QuitTW(); }

}  // namespace tw
