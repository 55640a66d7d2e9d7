#pragma once

#include "ui/layout.h"

#include <windows.h>

namespace tw::win {

struct Dpi {
    int x = 96;
    int y = 96;
};

// The resolution of the monitor the windows come up on (the primary one);
// the program declares itself aware of each monitor's DPI.
Dpi screenDpi();

// The new DPI a WM_DPICHANGED message brings.
constexpr Dpi dpiOfChange(WPARAM wParam) { return {LOWORD(wParam), HIWORD(wParam)}; }

// The one conversion from twips to pixels.
int twipsToPixels(int twips, int dpi);

RECT toPixels(const TwipsRect& rect, Dpi dpi);

}  // namespace tw::win
