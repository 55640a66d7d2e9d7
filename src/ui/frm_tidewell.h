// The main window's logic: its shared variables, its ten public operations
// and its event reactions. It reaches the screen, the file system, the
// dialogs and process creation only through the platform interfaces, so it
// runs the same under Win32 and against test doubles.
//
// The operations are defined by subsystem: preparation in app/, inventory and
// cleaning in cache/, panels, launch and exit in ui/.
#pragma once

#include "cache/file_list.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/process_starter.h"
#include "platform/screen.h"
#include "ui/directory_list.h"
#include "ui/element.h"

#include <array>
#include <cstdint>
#include <string>

namespace tw {

class frmTidewell {
public:
    frmTidewell(Screen& screen, FileSystem& fs, Dialogs& dialogs, ProcessStarter& processes);

    // Shared variables of the window.
    std::string AppDir;
    std::string LineBreak;
    std::string BrowserPath;
    std::string SavedCaption;
    std::int16_t CacheDirOK = 0;
    std::int16_t TotalFiles = 0;
    std::int16_t ImageFiles = 0;
    std::int16_t HTMLFiles = 0;
    std::array<std::string, 1001> ImageList;
    std::array<std::string, 1001> HTMLList;

    // Public operations.
    void CheckCacheDir(std::string& PathName);
    void CacheInformation(const std::string& Fileboxpath);
    void CacheNotFound();
    void FirstThing();
    void CleanImages();
    void CleanHTML();
    void KeepImages() {}
    void KeepHTML() {}
    void Launch_Browser();
    void QuitTW();

    // Window events.
    void Load();
    void Resize();
    void MouseMove(Element over);
    void Click(Element element);
    void Dir1DoubleClick(std::size_t index);
    void Deactivate();
    void Unload();
    void Terminate();

    // Sets a check box's value from the program. Like a user's click, a value
    // that changes runs the box's reaction. Throws err::InvalidPropertyValue
    // for a value other than 0, 1 or 2.
    void SetSwitch(Element box, int value);

    const FileList& File1() const { return file1_; }
    const DirectoryList& Dir1() const { return dir1_; }

private:
    using Handler = void (frmTidewell::*)();
    struct ClickBinding {
        Element element;
        Handler handler;
    };
    static const ClickBinding kClickBindings[];

    // Click reactions.
    void cmdCleanExit_Click();
    void cmdExit_Click();
    void cmdLaunchBrowser_Click();
    void cmdChange_Click() { CacheNotFound(); }
    void cmdClean_Click();
    void cmdExitManual_Click();
    void cmdBrowseManual_Click();
    void cmdSaveManualCache_Click();
    void cmdFindBrowser_Click();
    void cmdCancelBrowser_Click();
    void cmdSaveBrowser_Click();
    void menuSetBrowser_Click();
    void menuSetCache_Click() { CacheNotFound(); }
    void menuAbout_Click();

    void SwitchReaction(Element box);
    void UnknownTypesReaction();
    void ReadBrowserPath();
    void OpenBrowserPanel();
    void Dir1_Change();
    void SetDir1Path(std::string_view path);
    std::string ProbePath(const std::string& directory);
    void CleanStep();
    void CleanKind(Element countField, const std::array<std::string, 1001>& list);
    // Replaces a settings file in AppDir; tells the user when it cannot.
    bool WriteSettingsFile(std::string_view name, const std::string& content, bool reportFailure = true);

    Screen& screen_;
    FileSystem& fs_;
    Dialogs& dialogs_;
    ProcessStarter& processes_;
    FileList file1_;
    DirectoryList dir1_;
    std::string cd1FileName_;  // the file chosen last in the open-file dialog
    int quitDepth_ = 0;
    bool ended_ = false;
};

}  // namespace tw
