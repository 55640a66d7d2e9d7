// The four ways out of the program, starting the browser, and QuitTW.
#include "common/path.h"
#include "common/runtime_error.h"
#include "settings/settings_file.h"
#include "ui/frm_tidewell.h"
#include "ui/messages.h"

#include <string>
#include <utility>

namespace tw {

void frmTidewell::CleanStep() {
    // Each switch is read anew for each test; unknown types are never cleaned.
    if (screen_.checkValue(Element::AO) == 1) CleanImages();
    if (screen_.checkValue(Element::AO) == 0) KeepImages();
    if (screen_.checkValue(Element::BO) == 1) CleanHTML();
    if (screen_.checkValue(Element::BO) == 0) KeepHTML();
}

void frmTidewell::cmdClean_Click() {
    CleanStep();
    Launch_Browser();
    QuitTW();
}

void frmTidewell::cmdLaunchBrowser_Click() {
    Launch_Browser();
    QuitTW();
}

void frmTidewell::cmdCleanExit_Click() {
    CleanStep();
    if (showMessage(dialogs_, Message::JobDone) == mb::AnswerYes) QuitTW();
}

void frmTidewell::cmdExit_Click() {
    // Closing the window runs Unload, whose QuitTW ends the program; this
    // end step is only for a window that closed without it.
    screen_.unload(Element::frmTidewell);
    if (exit_ == Exit::Ended) return;
    exit_ = Exit::Ended;
    screen_.endProgram();
}

void frmTidewell::Launch_Browser() {
    screen_.minimize(Element::frmTidewell);
    try {
        if (BrowserPath.empty()) throw RuntimeError(err::FileNotFound, "No browser program has been chosen.");
        // An unquoted path with spaces is ambiguous: the platform would start
        // "C:\Program.exe" for "C:\Program Files\...", and the browser would
        // read "Files\..." as a page to open. When the whole text names a file,
        // start exactly that file with its quoted path as the only argument.
        if (fs_.fileExists(BrowserPath))
            processes_.start("\"" + BrowserPath + "\"", BrowserPath, kShowMaximised);
        else
            processes_.start(BrowserPath, {}, kShowMaximised);
    } catch (const RuntimeError& e) {
        screen_.restore(Element::frmTidewell);
        showMessage(dialogs_, Message::BrowserNotStarted,
                    {BrowserPath.empty() ? "(none)" : BrowserPath, e.reason()});
    }
}

bool frmTidewell::WriteSettingsFile(std::string_view name, const std::string& content, bool reportFailure) {
    const std::string path = joinPath(AppDir, name);
    try {
        fs_.replaceTextFile(path, content);
        return true;
    } catch (const RuntimeError& e) {
        if (reportFailure) showMessage(dialogs_, Message::SettingsNotSaved, {path, e.reason()});
        return false;
    }
}

void frmTidewell::QuitTW() {
    if (exit_ == Exit::Ended) return;
    // Closing the window runs Unload, which is QuitTW again: that nested run
    // stores the same settings once more and ends the program. A file that
    // could not be saved has then been reported once, which is enough.
    const bool nested = exit_ == Exit::Closing;
    const auto stored = [this](Element box) { return screen_.checkValue(box) == 1 ? 1 : 0; };
    WriteSettingsFile(kTidewIni,
                      formatTidewIni(screen_.text(Element::CacheDir), stored(Element::AO), stored(Element::BO), 0),
                      !nested);
    WriteSettingsFile(kUserIni, formatUserIni(screen_.text(Element::Browser)), !nested);
    if (!nested) {
        exit_ = Exit::Closing;
        screen_.unload(Element::frmTidewell);
        if (exit_ == Exit::Ended) return;
    }
    exit_ = Exit::Ended;
    screen_.endProgram();
}

}  // namespace tw
