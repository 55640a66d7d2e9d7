#include "win32/start_window_win.h"

#include "ui/layout.h"
#include "win32/wide.h"

namespace tw::win {
namespace {

constexpr wchar_t kStartClass[] = L"frmStart";

}  // namespace

void StartWindow::create() {
    registerClass(kStartClass, nullptr, 0);
    const FormSpec& layout = formSpec(Element::frmStart);
    picture_ = loadPicture(layout.picture);
    // No frame: the caption is never seen and the picture fills the window.
    // Made where its load places it, so it is never moved once shown.
    const TwipsRect placed{kStartLeftTwips, kStartTopTwips, layout.client.width, layout.client.height};
    const RECT rect = toPixels(placed, screen_.dpi(Element::frmStart));
    WindowBase::create(WS_EX_TOOLWINDOW, kStartClass, widen(layout.caption).c_str(), WS_POPUP, rect, nullptr,
                       nullptr);
    screen_.attach(Element::frmStart, hwnd());
    controls_.create(hwnd());
}

void StartWindow::paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    drawPicture(dc, picture_.get(), screen_.dpi(Element::frmStart), client, GetSysColor(COLOR_BTNFACE));
}

LRESULT StartWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto painted = paintMessage(message, wParam)) return *painted;
    if (message == WM_DPICHANGED) return onDpiChanged(dpiOfChange(wParam), *reinterpret_cast<const RECT*>(lParam));
    return defaultProc(message, wParam, lParam);
}

LRESULT StartWindow::onDpiChanged(Dpi dpi, const RECT& suggested) {
    controls_.changeDpi(dpi);
    // The system's rectangle places the window; without a frame its size is
    // the client area at the new DPI.
    const RECT client = toPixels(formSpec(Element::frmStart).client, dpi);
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, client.right - client.left,
                 client.bottom - client.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return 0;
}

}  // namespace tw::win
