// The main window's event bindings and its own small reactions: the switches,
// the status-bar hints, the fixed size and the barrier that keeps a failure
// inside the reaction it happened in.
#include "ui/frm_tidewell.h"

#include "common/runtime_error.h"
#include "common/text.h"
#include "ui/layout.h"
#include "ui/messages.h"

#include <new>
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

// What the user did, in the words of the button or menu item.
std::string actionName(Element element) {
    std::string_view caption;
    for (const MenuSpec& item : mainMenu())
        if (item.id == element) caption = item.caption;
    if (caption.empty() && !isForm(element)) caption = specOf(element).caption;
    return readCaption(caption).text;
}

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
    {Element::cmdChange, &frmTidewell::CacheNotFound},
    {Element::cmdClean, &frmTidewell::cmdClean_Click},
    {Element::menuSetBrowser, &frmTidewell::menuSetBrowser_Click},
    {Element::menuSetCache, &frmTidewell::CacheNotFound},
    {Element::menuAbout, &frmTidewell::menuAbout_Click},
};

frmTidewell::frmTidewell(Screen& screen, FileSystem& fs, Dialogs& dialogs, ProcessStarter& processes)
    : screen_(screen), fs_(fs), dialogs_(dialogs), File1(fs), processes_(processes), Dir1(fs) {}

void frmTidewell::react(std::string_view what, const std::function<void()>& reaction) {
    // Whatever the reaction had written stays written: every settings file is
    // replaced whole or not at all, and each deletion is done or not.
    std::string why;
    try {
        reaction();
        return;
    } catch (const RuntimeError& e) {
        why = e.reason();
    } catch (const std::bad_alloc&) {
        why = "There is not enough memory.";
    } catch (const std::exception& e) {
        why = e.what();
    }
    showMessage(dialogs_, Message::ActionFailed, {what, why});
}

void frmTidewell::Load() {
    react("Preparing the window", [this] { LoadReaction(); });
}

void frmTidewell::Click(Element element) {
    react(actionName(element), [this, element] {
        if (element == Element::AO || element == Element::BO) return switch_Click(element);
        for (const ClickBinding& binding : kClickBindings)
            if (binding.element == element) return (this->*binding.handler)();
    });
}

void frmTidewell::MouseMove(Element over) {
    for (const Hint& hint : kHints)
        if (hint.element == over) react("Status bar", [this, &hint] { screen_.setText(Element::Sbar, hint.text); });
}

void frmTidewell::Resize() {
    react("Keeping the window's size", [this] {
        try {
            screen_.setFormOuterSize(Element::frmTidewell, kMainOuterWidthTwips, kMainOuterHeightTwips);
        } catch (const RuntimeError&) {
            // Minimised windows cannot be sized; the next restore resizes again.
        }
    });
}

void frmTidewell::Unload() {
    react("Closing", [this] { QuitTW(); });
}

void frmTidewell::Terminate() {
    react("Closing", [this] { QuitTW(); });
}

void frmTidewell::switch_Click(Element box) {
    // A click moves Preserve (or grayed) to Clean, and Clean to Preserve.
    SetSwitch(box, screen_.checkValue(box) == 1 ? 0 : 1);
}

void frmTidewell::SetSwitch(Element box, int value) {
    if (value < 0 || value > 2) throw RuntimeError(err::InvalidPropertyValue);
    if (screen_.checkValue(box) == value) return;
    screen_.setCheckValue(box, value);
    if (box == Element::CO)
        showMessage(dialogs_, Message::UnknownFileTypes);
    else
        SwitchReaction(box);
}

void frmTidewell::SwitchReaction(Element box) {
    const bool clean = screen_.checkValue(box) == 1;
    screen_.setTextColour(box, clean ? colour::Clean : colour::Preserve);
    screen_.setText(box, clean ? "Clean" : "Preserve");
}

void frmTidewell::menuAbout_Click() { showMessage(dialogs_, Message::About); }

}  // namespace tw
