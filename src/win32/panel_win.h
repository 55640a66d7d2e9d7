// A container for child controls: the picture panels (a bitmap over a
// background colour) and the group frame. It hands its children's
// notifications up to the form, which owns all reactions.
#pragma once

#include "win32/dpi.h"
#include "win32/gdi.h"
#include "win32/window_base.h"

#include <functional>
#include <string>

namespace tw::win {

// Fills `client` with a picture from its top-left corner, scaled from 96 DPI
// to `dpi`, and with the background where the picture does not reach.
void drawPicture(HDC dc, HBITMAP picture, Dpi dpi, const RECT& client, COLORREF background);

class PanelWindow final : public WindowBase {
public:
    enum class Look { Picture, GroupFrame };

    // The picture is loaded when the panel is first painted: a hidden panel
    // may never be.
    PanelWindow(Look look, std::function<GdiBitmap()> picture, Dpi dpi, COLORREF background, COLORREF captionColour)
        : look_(look), loadPicture_(std::move(picture)), dpi_(dpi), background_(background),
          captionColour_(captionColour) {}

    HWND create(HWND parent, const RECT& rect, const std::wstring& caption, bool visible, int id);
    // The picture's scale and the frame's insets follow `dpi` from now on.
    void setDpi(Dpi dpi);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC dc) override;

    Look look_;
    std::function<GdiBitmap()> loadPicture_;
    GdiBitmap picture_;
    Dpi dpi_;
    COLORREF background_;
    COLORREF captionColour_;
    HFONT font_ = nullptr;  // WM_SETFONT's; the form owns it
};

}  // namespace tw::win
