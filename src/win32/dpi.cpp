#include "win32/dpi.h"

namespace tw::win {

Dpi screenDpi() {
    HDC screen = GetDC(nullptr);
    const Dpi dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return dpi;
}

int twipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

RECT toPixels(const TwipsRect& rect, Dpi dpi) {
    const int left = twipsToPixels(rect.left, dpi.x);
    const int top = twipsToPixels(rect.top, dpi.y);
    return RECT{left, top, left + twipsToPixels(rect.width, dpi.x), top + twipsToPixels(rect.height, dpi.y)};
}

}  // namespace tw::win
