// The elements of one form, made from its layout table in one loop, with the
// fonts they draw with. At a new DPI the fonts are made again and every
// element is laid out again, as a fresh start at that DPI lays it out.
#pragma once

#include "win32/fonts_win.h"
#include "win32/panel_win.h"
#include "win32/screen_win.h"

#include <memory>
#include <vector>

namespace tw::win {

class FormControls {
public:
    FormControls(Element form, Win32Screen& screen) : form_(form), screen_(screen) {}

    // Creates the elements in `formWindow`, laid out for the form's DPI, and
    // registers each with the screen.
    void create(HWND formWindow);
    // Makes `dpi` the form's and lays every element out again for it.
    void changeDpi(Dpi dpi);

private:
    // Elements are created in their places for the form's DPI: only a
    // change of DPI moves them.
    enum class Placement { AsCreated, Move };
    void layOut(Placement placement);

    Element form_;
    Win32Screen& screen_;
    Fonts fonts_;
    // The panels and the frame; they must outlive their windows.
    std::vector<std::unique_ptr<PanelWindow>> containers_;
};

GdiBitmap loadPicture(Picture picture);

HMENU createMainMenu();

}  // namespace tw::win
