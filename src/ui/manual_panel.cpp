// The manual cache directory panel and the check of a candidate directory.
#include "common/path.h"
#include "common/runtime_error.h"
#include "common/text.h"
#include "settings/settings_file.h"
#include "ui/frm_tidewell.h"
#include "ui/messages.h"
#include "ui/title.h"

#include <string>

namespace tw {
namespace {

constexpr std::string_view kManualSuffix = " - Manual Configuration";

}  // namespace

void frmTidewell::CacheNotFound() {
    screen_.setVisible(Element::Manual, true);
    SavedCaption = screen_.text(Element::frmTidewell);
    screen_.setText(Element::frmTidewell, SavedCaption + std::string(kManualSuffix));
}

std::string frmTidewell::CreateProbe(const std::string& directory) {
    // A user's own "test.xxx" must survive the check: probe with a free name,
    // found free by creating it (in a cache of many files each question by
    // name costs a search of the whole directory on some file systems).
    std::string probe = joinPath(directory, "test.xxx");
    for (int n = 1; !fs_.createNewFile(probe); ++n) probe = joinPath(directory, "test" + std::to_string(n) + ".xxx");
    return probe;
}

void frmTidewell::CheckCacheDir(std::string& PathName) {
    try {
        PathName = upperCase(PathName);
        if (endsWith(PathName, "\\")) PathName.pop_back();
        fs_.deleteFile(CreateProbe(PathName));
        CacheDirOK = 1;
    } catch (const RuntimeError& e) {
        if (e.number() == err::PathNotFound) {
            showMessage(dialogs_, Message::InvalidPathSpecified, {PathName});
            screen_.setText(Element::ManualCache, "");
            CacheDirOK = 0;
        } else {
            showMessage(dialogs_, Message::ProgramErr, {std::to_string(e.number())});
        }
    }
}

void frmTidewell::cmdBrowseManual_Click() { screen_.setVisible(Element::Dir1, true); }

void frmTidewell::cmdExitManual_Click() {
    screen_.setVisible(Element::Manual, false);
    screen_.setVisible(Element::Dir1, false);
    screen_.setText(Element::frmTidewell, kAppTitle);
}

void frmTidewell::SetDir1Path(std::string_view path) {
    if (Dir1.setPath(path)) Dir1_Change();
    screen_.showDirectories(Element::Dir1, Dir1.entries());
}

void frmTidewell::Dir1DoubleClick(std::size_t index) {
    react("Directory list", [this, index] {
        try {
            SetDir1Path(Dir1.pathAt(index));
        } catch (const RuntimeError&) {
            // A directory that vanished since it was listed: the list stays as it was.
        }
    });
}

void frmTidewell::Dir1_Change() { screen_.setText(Element::ManualCache, Dir1.path()); }

void frmTidewell::cmdSaveManualCache_Click() {
    const std::string typed = screen_.text(Element::ManualCache);
    if (typed.empty()) {
        showMessage(dialogs_, Message::InvalidDirectory);
        return;
    }
    std::string candidate = typed;
    CheckCacheDir(candidate);
    if (CacheDirOK == 0) return;

    screen_.setVisible(Element::Dir1, false);
    screen_.setVisible(Element::Manual, false);
    screen_.setText(Element::CacheDir, typed);
    SetSwitch(Element::AO, 1);
    SetSwitch(Element::BO, 1);
    SetSwitch(Element::CO, 0);
    // When the directory cannot be stored the user has been told; the
    // preparation then shows what the stored settings still say.
    if (WriteSettingsFile(kTidewIni, formatTidewIni(typed, 1, 1, 0)))
        showMessage(dialogs_, Message::NewSettingsAccepted);
    screen_.setText(Element::frmTidewell, SavedCaption);
    LoadReaction();
}

}  // namespace tw
