// Layers, low to high: common < platform < cache, settings < ui < app < win32. This is ui/.
// The main window's logic: its shared variables, its ten public operations
// and its event reactions. It reaches the screen, the file system, the
// dialogs and process creation only through the platform interfaces, so it
// runs the same under Win32 and against test doubles.
//
// The preparation at load (FirstThing and the load reaction) is the one
// higher layer's: app/ completes this class with it. The panels, the
// inventory and cleaning adapters, launch and exit are here in ui/. What is
// counted and deleted is decided in cache/.
#pragma once

#include "cache/file_list.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/process_starter.h"
#include "ui/directory_list.h"
#include "ui/element.h"
#include "ui/screen.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tw {

class frmTidewell {
public:
    frmTidewell(Screen& screen, FileSystem& fs, Dialogs& dialogs, ProcessStarter& processes);
    virtual ~frmTidewell() = default;
    frmTidewell(const frmTidewell&) = delete;
    frmTidewell& operator=(const frmTidewell&) = delete;

    // Public operations.
    void CheckCacheDir(std::string& PathName);
    void CacheInformation(const std::string& Fileboxpath);
    void CacheNotFound();
    virtual void FirstThing() = 0;
    void CleanImages();
    void CleanHTML();
    void KeepImages() {}
    void KeepHTML() {}
    void Launch_Browser();
    void QuitTW();

    // Window events. A failure that no reaction handles ends the reaction
    // with a message; it never reaches the platform's event loop.
    void Load();
    void Resize();
    void MouseMove(Element over);
    void Click(Element element);
    void Dir1DoubleClick(std::size_t index);
    void Unload();
    void Terminate();

protected:
    // The Load event's reaction, run again after a new cache directory is saved.
    virtual void LoadReaction() = 0;
    // Sets a check box's value from the program. Like a user's click, a value
    // that changes runs the box's reaction. Throws err::InvalidPropertyValue
    // for a value other than 0, 1 or 2.
    void SetSwitch(Element box, int value);
    void OpenBrowserPanel();
    void SetDir1Path(std::string_view path);

    Screen& screen_;
    FileSystem& fs_;
    Dialogs& dialogs_;

    // The window's shared variables.
    std::string AppDir;
    std::string LineBreak;
    std::string BrowserPath;
    std::int16_t CacheDirOK = 0;
    std::size_t TotalFiles = 0;
    std::size_t ImageFiles = 0;
    std::size_t HTMLFiles = 0;

    FileList File1;

private:
    enum class Exit { Running, Closing, Ended };

    // Runs one event's reaction behind the barrier described above.
    void react(std::string_view what, const std::function<void()>& reaction);
    void SwitchReaction(Element box);
    void Dir1_Change();
    std::string CreateProbe(const std::string& directory);
    void CleanStep();
    void CleanKind(Element countField, const std::vector<std::string>& list);
    // Replaces a settings file in AppDir; tells the user when it cannot.
    bool WriteSettingsFile(std::string_view name, const std::string& content, bool reportFailure = true);

    using Handler = void (frmTidewell::*)();
    struct ClickBinding {
        Element element;
        Handler handler;
    };
    static const ClickBinding kClickBindings[];

    void cmdCleanExit_Click();
    void cmdExit_Click();
    void cmdLaunchBrowser_Click();
    void cmdClean_Click();
    void cmdExitManual_Click();
    void cmdBrowseManual_Click();
    void cmdSaveManualCache_Click();
    void cmdFindBrowser_Click();
    void cmdCancelBrowser_Click();
    void cmdSaveBrowser_Click();
    void menuSetBrowser_Click();
    void menuAbout_Click();
    void switch_Click(Element box);

    ProcessStarter& processes_;

    std::string SavedCaption;
    std::vector<std::string> ImageList;
    std::vector<std::string> HTMLList;
    DirectoryList Dir1;
    std::string cd1FileName_;  // the file chosen last in the open-file dialog
    Exit exit_ = Exit::Running;
};

}  // namespace tw
