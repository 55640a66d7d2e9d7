// Creates a form's elements from its layout table, in one loop.
#pragma once

#include "platform/win32/control_ids.h"
#include "platform/win32/panel_win.h"
#include "platform/win32/screen_win.h"

#include <memory>
#include <vector>

namespace tw::win {

struct Fonts {
    HFONT bold = nullptr;     // MS Sans Serif 8.25 pt bold: every element
    HFONT regular = nullptr;  // the status bar
};

Fonts createFonts(Dpi dpi);
void deleteFonts(Fonts& fonts);

// Creates every element of `form` (whose window is `formWindow`) and
// registers each with the screen. Containers (panels, the frame) are kept in
// `containers`, which must outlive their windows.
void createElements(Element form, HWND formWindow, Win32Screen& screen, const Fonts& fonts,
                    std::vector<std::unique_ptr<PanelWindow>>& containers);

HMENU createMainMenu();

}  // namespace tw::win
