#include "platform/win32/start_window_win.h"

#include "platform/win32/resource_ids.h"
#include "platform/win32/wide.h"
#include "ui/layout.h"

namespace tw::win {
namespace {

constexpr wchar_t kStartClass[] = L"frmStart";

}  // namespace

StartWindow::~StartWindow() {
    if (picture_ != nullptr) DeleteObject(picture_);
}

void StartWindow::create() {
    registerClass(kStartClass, nullptr, 0);
    picture_ = static_cast<HBITMAP>(
        LoadImageW(moduleInstance(), MAKEINTRESOURCEW(IDB_START), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    const FormSpec& layout = formSpec(Element::frmStart);
    // No frame: the caption is never seen and the picture fills the window.
    const RECT rect = toPixels(layout.client, screen_.dpi());
    WindowBase::create(WS_EX_TOOLWINDOW, kStartClass, widen(layout.caption).c_str(), WS_POPUP, rect, nullptr,
                       nullptr);
    screen_.attach(Element::frmStart, hwnd());
    createElements(Element::frmStart, hwnd(), screen_, fonts_, containers_);
}

LRESULT StartWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return defaultProc(message, wParam, lParam);
    PAINTSTRUCT ps;
    drawPicture(BeginPaint(hwnd(), &ps), picture_);
    EndPaint(hwnd(), &ps);
    return 0;
}

}  // namespace tw::win
