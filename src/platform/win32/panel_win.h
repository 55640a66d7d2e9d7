// A container for child controls: the picture panels (a bitmap over a
// background colour) and the group frame. It hands its children's
// notifications up to the form, which owns all reactions.
#pragma once

#include "platform/win32/window_base.h"

#include <string>

namespace tw::win {

// Draws a picture at the top-left corner, at its own size.
void drawPicture(HDC dc, HBITMAP picture);

class PanelWindow final : public WindowBase {
public:
    enum class Look { Picture, GroupFrame };

    PanelWindow(Look look, HBITMAP picture, COLORREF background, COLORREF captionColour, HFONT font)
        : look_(look), picture_(picture), background_(background), captionColour_(captionColour), font_(font) {}

    HWND create(HWND parent, const RECT& rect, const std::wstring& caption, bool visible, int id);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC dc);

    Look look_;
    HBITMAP picture_;
    COLORREF background_;
    COLORREF captionColour_;
    HFONT font_;
};

}  // namespace tw::win
