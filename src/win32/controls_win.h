// The elements of one form, made from its layout table in one loop, with the
// fonts they draw with. At a new DPI the fonts are made again and every
// element is laid out again, as a fresh start at that DPI lays it out.
#pragma once

#include "win32/fonts_win.h"
#include "win32/panel_win.h"
#include "win32/screen_win.h"

#include <memory>
#include <vector>

namespace tw {
struct ElementSpec;
}

namespace tw::win {

class FormControls {
public:
    FormControls(Element form, Win32Screen& screen) : form_(form), screen_(screen) {}

    // Creates the elements in `formWindow`, laid out for the form's DPI, and
    // registers each with the screen; a panel hidden at the start, and what
    // lies on it, waits until something needs it.
    void create(HWND formWindow);
    // Creates the waiting panel `element` lies on (or is), with all on it, in
    // its place among its siblings; false if there is none.
    bool createWaitingPanelOf(Element element);
    // Makes `dpi` the form's and lays every element out again for it.
    void changeDpi(Dpi dpi);

private:
    // Elements are created in their places for the form's DPI: only a
    // change of DPI moves them.
    enum class Placement { AsCreated, Move };
    // Lays out `within` (the form, or a panel) and all on it.
    void layOut(Placement placement, Element within);
    const ElementSpec* waitingPanelOf(Element element) const;
    void createElement(const ElementSpec& layout);
    void restackAsListed(const ElementSpec& panel);

    Element form_;
    HWND formWindow_ = nullptr;
    Win32Screen& screen_;
    Fonts fonts_;
    // The panels and the frame; they must outlive their windows.
    std::vector<std::unique_ptr<PanelWindow>> containers_;
};

GdiBitmap loadPicture(Picture picture);

HMENU createMainMenu();

}  // namespace tw::win
