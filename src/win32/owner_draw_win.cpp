#include "win32/owner_draw_win.h"

#include "win32/gdi.h"
#include "win32/window_base.h"

#include <string>

namespace tw::win {
namespace {

constexpr LPARAM kOpenFlag = 0x10000;
constexpr LPARAM kIndentMask = 0xFFFF;

struct DirectoryItem {
    int indent = 0;
    bool open = false;
};

DirectoryItem unpackDirectoryItem(LRESULT data) {
    return {static_cast<int>(data & kIndentMask), (data & kOpenFlag) != 0};
}

void drawLabel(const DRAWITEMSTRUCT& item) {
    HWND label = item.hwndItem;
    HDC dc = item.hDC;
    SavedDcState saved(dc);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    // The form chooses the colours as for any static control; a label on a
    // picture gets the null brush and leaves the picture showing.
    auto back = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC,
                                                      reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    FillRect(dc, &item.rcItem, back != nullptr ? back : GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    IntersectClipRect(dc, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
    // Bold as the regular face drawn twice, one pixel apart: the strokes of
    // a synthesized bold without its extra pixel of advance per character.
    // The second pass falls into the blank column that ends each glyph.
    const std::wstring caption = windowText(label);
    const auto format = static_cast<UINT>(GetWindowLongPtrW(label, GWLP_USERDATA)) | DT_NOCLIP;
    RECT text = item.rcItem;
    DrawTextW(dc, caption.c_str(), -1, &text, format);
    OffsetRect(&text, 1, 0);
    DrawTextW(dc, caption.c_str(), -1, &text, format);
}

void drawFolder(HDC dc, int x, int y, int size, bool open) {
    const GdiBrush fill(CreateSolidBrush(open ? RGB(255, 230, 120) : RGB(230, 190, 60)));
    const Selected brush(dc, fill.get()), pen(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, x, y + size / 4, x + size, y + size);
    Rectangle(dc, x, y + size / 8, x + size / 2, y + size / 4 + 1);
}

std::wstring itemText(HWND list, UINT index) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void drawDirectoryItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const DirectoryItem directory = unpackDirectoryItem(SendMessageW(item.hwndItem, LB_GETITEMDATA, item.itemID, 0));
    const int height = item.rcItem.bottom - item.rcItem.top;
    const int step = height * 3 / 4;
    const int x = item.rcItem.left + 2 + directory.indent * step;
    drawFolder(dc, x, item.rcItem.top + 2, height - 4, directory.open);

    const std::wstring text = itemText(item.hwndItem, item.itemID);
    RECT textRect = item.rcItem;
    textRect.left = x + height;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

}  // namespace

LPARAM packDirectoryItem(const DirectoryEntry& entry) {
    return (static_cast<LPARAM>(entry.indent) & kIndentMask) | (entry.open ? kOpenFlag : 0);
}

int directoryItemHeight(Dpi dpi) { return twipsToPixels(240, dpi.y); }

void drawOwnerDrawn(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_STATIC)
        drawLabel(item);
    else
        drawDirectoryItem(item);
}

}  // namespace tw::win
