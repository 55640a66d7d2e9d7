// Creates a form's elements from its layout table, in one loop.
#pragma once

#include "win32/control_ids.h"
#include "win32/gdi.h"
#include "win32/panel_win.h"
#include "win32/screen_win.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tw::win {

// MS Sans Serif 8.25 pt at one DPI: bold for every element, regular for the
// status bar, and the regular face in smaller sizes for labels that need them.
class Fonts {
public:
    Fonts() = default;
    explicit Fonts(Dpi dpi);

    HFONT bold() const { return bold_.get(); }
    HFONT regular() const { return regular_.get(); }
    // The largest regular face, at most the nominal size, in which `text`
    // drawn with DrawText `format` fits `box`; the smallest one tried if none.
    HFONT fitting(const std::wstring& text, SIZE box, UINT format) const;

private:
    HFONT regularOfHeight(int height) const;

    int height_ = 0;  // character height in pixels
    GdiFont bold_;
    GdiFont regular_;
    mutable std::map<int, GdiFont> smaller_;
};

// Creates every element of `form` (whose window is `formWindow`) and
// registers each with the screen. Containers (panels, the frame) are kept in
// `containers`, which must outlive their windows.
void createElements(Element form, HWND formWindow, Win32Screen& screen, const Fonts& fonts,
                    std::vector<std::unique_ptr<PanelWindow>>& containers);

// Labels are drawn by their parent form (SS_OWNERDRAW): it hands their
// WM_DRAWITEM here.
void drawLabel(const DRAWITEMSTRUCT& item);

GdiBitmap loadPicture(Picture picture);

HMENU createMainMenu();

}  // namespace tw::win
