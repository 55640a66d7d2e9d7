#include "win32/application_win.h"

#include <commctrl.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        tw::win::Application application;
        return application.run();
    } catch (const std::exception& e) {
        tw::win::reportUnexpectedFailure(e.what());
        return 1;
    }
}
