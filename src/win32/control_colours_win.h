// The colours of the controls, as their form answers WM_CTLCOLOR*: the text
// colour the logic set last (the layout's until then), the layout's
// background, and the brushes painted with it.
#pragma once

#include "ui/colour.h"
#include "win32/element_windows_win.h"
#include "win32/gdi.h"

#include <array>
#include <map>
#include <optional>

namespace tw::win {

// The one conversion from the layout's colours to the system's.
inline COLORREF toColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

class ControlColours {
public:
    explicit ControlColours(const ElementWindows& windows);

    void setTextColour(Element element, Rgb colour);
    // The answer to a control's WM_CTLCOLOR* request; nullptr leaves the default.
    HBRUSH answer(HWND control, HDC dc);

private:
    HBRUSH brush(Rgb colour);

    const ElementWindows& windows_;
    std::array<std::optional<Rgb>, kElementCount> textColours_{};
    std::map<COLORREF, GdiBrush> brushes_;
};

}  // namespace tw::win
