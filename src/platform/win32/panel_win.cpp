#include "platform/win32/panel_win.h"

namespace tw::win {
namespace {

constexpr wchar_t kPanelClass[] = L"TidewellPanel";

}  // namespace

void drawPicture(HDC dc, HBITMAP picture) {
    if (picture == nullptr) return;
    BITMAP bm;
    GetObjectW(picture, sizeof bm, &bm);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(dc, 0, 0, bm.bmWidth, bm.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

HWND PanelWindow::create(HWND parent, const RECT& rect, const std::wstring& caption, bool visible, int id) {
    registerClass(kPanelClass, nullptr);
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
    return WindowBase::create(WS_EX_CONTROLPARENT, kPanelClass, caption.c_str(), style, rect, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

LRESULT PanelWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd(), &ps);
        paint(dc);
        EndPaint(hwnd(), &ps);
        return 0;
    }
    default:
        return defaultProc(message, wParam, lParam);
    }
}

void PanelWindow::paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    HBRUSH back = CreateSolidBrush(background_);
    FillRect(dc, &client, back);
    DeleteObject(back);

    if (look_ == Look::Picture) {
        drawPicture(dc, picture_);
        return;
    }
    if (look_ == Look::GroupFrame) {
        wchar_t caption[128];
        GetWindowTextW(hwnd(), caption, 128);
        HGDIOBJ oldFont = SelectObject(dc, font_);
        TEXTMETRICW tm;
        GetTextMetricsW(dc, &tm);
        RECT frame = client;
        frame.top += tm.tmHeight / 2;
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        SIZE extent;
        GetTextExtentPoint32W(dc, caption, lstrlenW(caption), &extent);
        RECT label{8, 0, 8 + extent.cx + 4, tm.tmHeight};
        SetBkColor(dc, background_);
        SetTextColor(dc, captionColour_);
        ExtTextOutW(dc, 10, 0, ETO_OPAQUE, &label, caption, static_cast<UINT>(lstrlenW(caption)), nullptr);
        SelectObject(dc, oldFont);
    }
}

}  // namespace tw::win
