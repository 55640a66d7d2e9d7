#pragma once

#include "ui/layout.h"

#include <windows.h>

namespace tw::win {

struct Dpi {
    int x = 96;
    int y = 96;
};

// The screen's real resolution; the program declares itself DPI-aware.
Dpi screenDpi();

// The one conversion from twips to pixels.
int twipsToPixels(int twips, int dpi);

RECT toPixels(const TwipsRect& rect, Dpi dpi);

}  // namespace tw::win
