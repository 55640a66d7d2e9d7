// The four ways out of the program, starting the browser, and QuitTW.
#include "app/settings_file.h"
#include "platform/runtime_error.h"
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
    screen_.unload(Element::frmTidewell);
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
                    {BrowserPath.empty() ? "(none)" : BrowserPath, e.detail()});
    }
}

bool frmTidewell::WriteSettingsFile(std::string_view name, const std::string& content, bool reportFailure) {
    const std::string path = AppDir + std::string(name);
    try {
        fs_.replaceTextFile(path, content);
        return true;
    } catch (const RuntimeError& e) {
        const std::string why = e.detail().empty() ? "error " + std::to_string(e.number()) : e.detail();
        if (reportFailure) showMessage(dialogs_, Message::SettingsNotSaved, {path, why});
        return false;
    }
}

void frmTidewell::QuitTW() {
    // Closing the window runs Unload, which is QuitTW again; that nested run
    // ends the program. Any deeper call has nothing left to do.
    if (ended_ || quitDepth_ >= 2) return;
    ++quitDepth_;
    // The nested run writes the same content again; a file the outer run
    // could not save has been reported once, which is enough.
    const bool report = quitDepth_ == 1;
    const auto stored = [this](Element box) { return screen_.checkValue(box) == 1 ? 1 : 0; };
    WriteSettingsFile(kTidewIni,
                      formatTidewIni(screen_.text(Element::CacheDir), stored(Element::AO), stored(Element::BO), 0),
                      report);
    WriteSettingsFile(kUserIni, formatUserIni(screen_.text(Element::Browser)), report);
    screen_.unload(Element::frmTidewell);
    if (ended_) return;
    ended_ = true;
    screen_.endProgram();
}

}  // namespace tw
