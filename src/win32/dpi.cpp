#include "win32/dpi.h"

namespace tw::win {

Dpi screenDpi() {
    // The system DPI stays what it was at sign-in; a monitor's own DPI
    // follows a later change of its scale. Windows 8.1 and later know it.
    using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    if (HMODULE shcore = LoadLibraryW(L"shcore.dll")) {
        const auto dpiForMonitor = reinterpret_cast<DpiForMonitor>(
            reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
        UINT x = 0, y = 0;
        const bool known = dpiForMonitor != nullptr &&
                           SUCCEEDED(dpiForMonitor(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), 0, &x, &y));
        FreeLibrary(shcore);
        if (known) return {static_cast<int>(x), static_cast<int>(y)};
    }
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
