#include "win32/main_window_win.h"

#include "ui/layout.h"
#include "win32/control_ids.h"
#include "win32/owner_draw_win.h"
#include "win32/resource_ids.h"
#include "win32/wide.h"

#include <commctrl.h>

namespace tw::win {
namespace {

constexpr wchar_t kMainClass[] = L"frmTidewell";
// No sizing border: the window keeps one size.
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace

void MainWindow::create() {
    HICON icon = LoadIconW(moduleInstance(), MAKEINTRESOURCEW(IDI_TIDEWELL));
    registerClass(kMainClass, icon);
    const FormSpec& layout = formSpec(Element::frmTidewell);
    RECT rect = toPixels(layout.client, screen_.dpi(Element::frmTidewell));
    HMENU menu = createMainMenu();
    AdjustWindowRectEx(&rect, kMainStyle, TRUE, 0);
    WindowBase::create(0, kMainClass, widen(layout.caption).c_str(), kMainStyle, rect, nullptr, menu);
    screen_.attach(Element::frmTidewell, hwnd());
    screen_.makeWaitingElementsWith([this](Element element) { return controls_.createWaitingPanelOf(element); });
    controls_.create(hwnd());
    form_.Resize();
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return onCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_SETCURSOR: return onSetCursor(wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: return onControlColour(message, wParam, lParam);
    case WM_DRAWITEM: return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_SIZE: return onSize();
    case WM_ACTIVATE: return onActivate(LOWORD(wParam));
    case WM_CLOSE: return onClose();
    case WM_ENDSESSION: return onEndSession(wParam != FALSE);
    case kFlushProgressMessage: return onFlushProgress();
    case WM_DPICHANGED: return onDpiChanged(dpiOfChange(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_DESTROY: return onDestroy();
    default: return defaultProc(message, wParam, lParam);
    }
}

LRESULT MainWindow::onCommand(int id, int code) {
    const std::optional<Element> element = elementOfId(id);
    if (!element) return 0;
    if (*element == Element::Dir1) {
        if (code == LBN_DBLCLK) {
            const auto selected = SendMessageW(screen_.hwnd(Element::Dir1), LB_GETCURSEL, 0, 0);
            if (selected != LB_ERR) form_.Dir1DoubleClick(static_cast<std::size_t>(selected));
        }
        return 0;
    }
    if (code != BN_CLICKED) return 0;  // menu items arrive as 0, which is BN_CLICKED too
    form_.Click(*element);
    keyboard_.keepFocusReachable();
    return 0;
}

LRESULT MainWindow::onSetCursor(WPARAM wParam, LPARAM lParam) {
    const auto over = reinterpret_cast<HWND>(wParam);
    if (HIWORD(lParam) == WM_MOUSEMOVE) {
        if (over == hwnd()) {
            if (LOWORD(lParam) == HTCLIENT) form_.MouseMove(Element::frmTidewell);
        } else if (const auto element = screen_.windows().elementOf(over)) {
            form_.MouseMove(*element);
        }
    }
    // The pointer's shape stays the control's own.
    return over == hwnd() ? defaultProc(WM_SETCURSOR, wParam, lParam) : FALSE;
}

LRESULT MainWindow::onControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
    if (HBRUSH brush = screen_.colours().answer(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
        return reinterpret_cast<LRESULT>(brush);
    return defaultProc(message, wParam, lParam);
}

LRESULT MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    drawOwnerDrawn(item);
    return TRUE;
}

LRESULT MainWindow::onSize() {
    if (HWND bar = screen_.hwnd(Element::Sbar)) SendMessageW(bar, WM_SIZE, 0, 0);
    form_.Resize();
    return 0;
}

LRESULT MainWindow::onActivate(int state) {
    if (state == WA_INACTIVE)
        keyboard_.rememberFocus();
    else
        keyboard_.restoreFocus();
    return 0;
}

LRESULT MainWindow::onClose() {
    form_.Unload();
    return 0;
}

LRESULT MainWindow::onEndSession(bool ending) {
    // Windows is shutting down: end as the close box would, settings stored.
    if (ending) form_.Unload();
    return 0;
}

LRESULT MainWindow::onFlushProgress() {
    screen_.repaints().flushProgress();
    return 0;
}

LRESULT MainWindow::onDpiChanged(Dpi dpi, const RECT& suggested) {
    controls_.changeDpi(dpi);
    // The system's rectangle places the window on its new monitor; the fixed
    // size then keeps the client area whole at the new DPI.
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    form_.Resize();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return 0;
}

LRESULT MainWindow::onDestroy() {
    form_.Terminate();
    return 0;
}

}  // namespace tw::win
