// The browser selection panel.
#include "common/runtime_error.h"
#include "settings/settings_file.h"
#include "ui/frm_tidewell.h"
#include "ui/messages.h"
#include "ui/title.h"

namespace tw {

void frmTidewell::OpenBrowserPanel() {
    screen_.setVisible(Element::NewBrowser, true);
    screen_.setText(Element::frmTidewell, kSelectBrowserCaption);
}

void frmTidewell::menuSetBrowser_Click() { OpenBrowserPanel(); }

void frmTidewell::cmdFindBrowser_Click() {
    try {
        if (auto chosen = dialogs_.openFile("Netscape Navigator|netscape.exe|Other|*.exe"))
            cd1FileName_ = std::move(*chosen);
        // A cancelled dialog still hands back the file chosen last in this run.
        screen_.setText(Element::Browser, cd1FileName_);
    } catch (const RuntimeError&) {
        // The dialog could not be shown: the field keeps its text.
    }
}

void frmTidewell::cmdSaveBrowser_Click() {
    WriteSettingsFile(kUserIni, formatUserIni(screen_.text(Element::Browser)));
    cmdCancelBrowser_Click();
}

void frmTidewell::cmdCancelBrowser_Click() {
    if (screen_.text(Element::Browser).empty()) {
        showMessage(dialogs_, Message::NoBrowserSelected);
        return;
    }
    screen_.setText(Element::frmTidewell, kAppTitle);
    screen_.setVisible(Element::NewBrowser, false);
}

}  // namespace tw
