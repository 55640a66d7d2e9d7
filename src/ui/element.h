// Every window and element of the program, named as the program refers to them.
#pragma once

#include <cstdint>

namespace tw {

enum class Element : std::uint8_t {
    // Windows
    frmTidewell,
    frmStart,
    // frmTidewell, top level
    Manual,
    NewBrowser,
    cmdCleanExit,
    cmdExit,
    cmdLaunchBrowser,
    Frame1,
    cmdChange,
    CacheDir,
    cmdClean,
    File1,
    ProgBar,
    Sbar,
    Label1,
    // Manual
    Dir1,
    cmdExitManual,
    cmdBrowseManual,
    cmdSaveManualCache,
    ManualCache,
    Label4,
    // NewBrowser
    cmdFindBrowser,
    cmdCancelBrowser,
    Browser,
    cmdSaveBrowser,
    cd1,
    Label8,
    // Frame1
    CacheUnit,
    AO,
    BO,
    CO,
    CacheSize,
    TotalCount,
    XCount,
    HTMLCount,
    ImageCount,
    Label7,
    Label6,
    Label5,
    Label3,
    Label2,
    // frmStart
    ProgBar2,
    // Menu
    menuSettings,
    menuSetBrowser,
    menuSetCache,
    menuAbout,

    Count_
};

inline constexpr int kElementCount = static_cast<int>(Element::Count_);

constexpr int index(Element e) { return static_cast<int>(e); }

}  // namespace tw
