#include "win32/panel_win.h"

#include <utility>

namespace tw::win {
namespace {

constexpr wchar_t kPanelClass[] = L"TidewellPanel";

}  // namespace

void drawPicture(HDC dc, HBITMAP picture, Dpi dpi, const RECT& client, COLORREF background) {
    SavedDcState saved(dc);
    if (picture != nullptr) {
        BITMAP bm;
        GetObjectW(picture, sizeof bm, &bm);
        const int width = MulDiv(bm.bmWidth, dpi.x, 96), height = MulDiv(bm.bmHeight, dpi.y, 96);
        MemoryDc memory(dc);
        Selected selected(memory.get(), picture);
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE needs it set after the mode
        StretchBlt(dc, 0, 0, width, height, memory.get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        ExcludeClipRect(dc, 0, 0, width, height);
    }
    const GdiBrush back(CreateSolidBrush(background));
    FillRect(dc, &client, back.get());
}

HWND PanelWindow::create(HWND parent, const RECT& rect, const std::wstring& caption, bool visible, int id) {
    registerClass(kPanelClass, nullptr);
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
    return WindowBase::create(WS_EX_CONTROLPARENT, kPanelClass, caption.c_str(), style, rect, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void PanelWindow::setDpi(Dpi dpi) {
    dpi_ = dpi;
    if (hwnd() != nullptr) InvalidateRect(hwnd(), nullptr, FALSE);
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
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    default:
        if (const auto painted = paintMessage(message, wParam)) return *painted;
        return defaultProc(message, wParam, lParam);
    }
}

void PanelWindow::paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (look_ == Look::Picture) {
        if (loadPicture_) picture_ = std::exchange(loadPicture_, nullptr)();
        drawPicture(dc, picture_.get(), dpi_, client, background_);
        return;
    }
    const GdiBrush back(CreateSolidBrush(background_));
    FillRect(dc, &client, back.get());
    wchar_t caption[128];
    const int length = GetWindowTextW(hwnd(), caption, 128);
    SavedDcState saved(dc);
    SelectObject(dc, font_);
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    RECT frame = client;
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    SIZE extent;
    GetTextExtentPoint32W(dc, caption, length, &extent);
    // The caption interrupts the top edge a little way in, as a group box's does.
    const int inset = MulDiv(8, dpi_.x, 96), gap = MulDiv(2, dpi_.x, 96);
    RECT label{inset, 0, inset + extent.cx + 2 * gap, tm.tmHeight};
    SetBkColor(dc, background_);
    SetTextColor(dc, captionColour_);
    ExtTextOutW(dc, inset + gap, 0, ETO_OPAQUE, &label, caption, static_cast<UINT>(length), nullptr);
}

}  // namespace tw::win
