#include "win32/controls_win.h"

#include "ui/layout.h"
#include "win32/accessible_win.h"
#include "win32/resource_ids.h"
#include "win32/wide.h"

#include <commctrl.h>

namespace tw::win {
namespace {

int bitmapResource(Picture picture) {
    switch (picture) {
    case Picture::Start: return IDB_START;
    case Picture::Manual: return IDB_MANUAL;
    case Picture::Browser: return IDB_BROWSER;
    case Picture::None: break;
    }
    return 0;
}

COLORREF toColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

struct WindowClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowClassAndStyle controlClass(const ElementSpec& layout) {
    switch (layout.kind) {
    case Kind::PushButton:
        return {L"BUTTON", BS_PUSHBUTTON, 0};
    case Kind::CheckBox:
        // Not an auto check box: the program decides the value on each click.
        return {L"BUTTON", BS_3STATE, 0};
    case Kind::TextField:
        // Read-only fields are flat: a count or a unit needs every pixel.
        if (layout.has(style::ReadOnly)) return {L"EDIT", ES_AUTOHSCROLL | ES_READONLY | WS_BORDER, 0};
        return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Kind::Label:
        // SS_NOTIFY makes the label a window the pointer is over, not its parent.
        // The form draws it (drawLabel), in the format labelFormat gives.
        return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY | SS_NOPREFIX, 0};
    case Kind::DirList:
        return {L"LISTBOX",
                LBS_NOTIFY | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER, 0};
    case Kind::ProgressBar:
        return {PROGRESS_CLASSW, 0, 0};
    case Kind::StatusBar:
        return {STATUSCLASSNAMEW, CCS_BOTTOM | CCS_NOMOVEY, 0};
    default:
        return {nullptr, 0, 0};
    }
}

HWND createContainer(const ElementSpec& layout, HWND parent, const RECT& rect, Dpi dpi,
                     std::vector<std::unique_ptr<PanelWindow>>& containers) {
    const bool picture = layout.kind == Kind::PicturePanel;
    auto panel = std::make_unique<PanelWindow>(
        picture ? PanelWindow::Look::Picture : PanelWindow::Look::GroupFrame, loadPicture(layout.picture), dpi,
        layout.backColour ? toColorRef(*layout.backColour) : GetSysColor(COLOR_BTNFACE),
        layout.textColour ? toColorRef(*layout.textColour) : GetSysColor(COLOR_BTNTEXT));
    HWND hwnd = panel->create(parent, rect, widen(layout.caption), !layout.has(style::Hidden), controlId(layout.id));
    containers.push_back(std::move(panel));
    return hwnd;
}

// How a label's caption is laid out; kept with the label for drawLabel.
UINT labelFormat(const ElementSpec& layout) {
    return DT_NOPREFIX | (layout.has(style::CentredWrapped) ? DT_CENTER | DT_WORDBREAK : DT_LEFT | DT_SINGLELINE);
}

HFONT fontOf(const ElementSpec& layout, HWND hwnd, const Fonts& fonts) {
    if (layout.kind == Kind::StatusBar) return fonts.regular();
    if (layout.kind != Kind::Label) return fonts.bold();
    RECT client;
    GetClientRect(hwnd, &client);
    return fonts.fitting(windowText(hwnd), SIZE{client.right, client.bottom}, labelFormat(layout));
}

int heightOf(HFONT font) {
    LOGFONTW logical{};
    GetObjectW(font, sizeof logical, &logical);
    return logical.lfHeight < 0 ? -logical.lfHeight : logical.lfHeight;
}

// One-line labels of one parent read as the rows of a table: they share the
// smallest size any of them needed to fit.
void matchLabelSizes(Element form, const Win32Screen& screen) {
    std::map<Element, HFONT> smallest;
    const auto rowLabel = [](const ElementSpec& layout) {
        return layout.kind == Kind::Label && !layout.has(style::CentredWrapped);
    };
    for (const ElementSpec& layout : elementsOf(form)) {
        if (!rowLabel(layout)) continue;
        const auto font = reinterpret_cast<HFONT>(SendMessageW(screen.hwnd(layout.id), WM_GETFONT, 0, 0));
        const auto [it, first] = smallest.try_emplace(layout.parent, font);
        if (!first && heightOf(font) < heightOf(it->second)) it->second = font;
    }
    for (const ElementSpec& layout : elementsOf(form))
        if (rowLabel(layout))
            SendMessageW(screen.hwnd(layout.id), WM_SETFONT, reinterpret_cast<WPARAM>(smallest[layout.parent]), FALSE);
}

void prepareStatusBar(HWND bar, Dpi dpi) {
    int parts[2] = {twipsToPixels(kStatusPanelWidthTwips, dpi.x), -1};
    SendMessageW(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

}  // namespace

Fonts::Fonts(Dpi dpi) : height_(MulDiv(825, dpi.y, 7200)) {  // 8.25 pt
    bold_.reset(CreateFontW(-height_, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
    regular_.reset(regularOfHeight(height_));
}

HFONT Fonts::regularOfHeight(int height) const {
    return CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
}

HFONT Fonts::fitting(const std::wstring& text, SIZE box, UINT format) const {
    // A third smaller at most; below that a caption is no longer read at a glance.
    const int smallest = height_ * 2 / 3;
    MemoryDc dc(nullptr);
    HFONT font = regular();
    for (int height = height_; height >= smallest; --height) {
        if (height < height_) {
            GdiFont& smaller = smaller_[height];
            if (!smaller) smaller.reset(regularOfHeight(height));
            font = smaller.get();
        }
        Selected selected(dc.get(), font);
        RECT needed{0, 0, box.cx, 0};
        DrawTextW(dc.get(), text.c_str(), -1, &needed, format | DT_CALCRECT);
        if (needed.right <= box.cx && needed.bottom <= box.cy) return font;
    }
    return font;
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

GdiBitmap loadPicture(Picture picture) {
    const int id = bitmapResource(picture);
    if (id == 0) return nullptr;
    return GdiBitmap(static_cast<HBITMAP>(
        LoadImageW(moduleInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

void createElements(Element form, HWND formWindow, Win32Screen& screen, const Fonts& fonts,
                    std::vector<std::unique_ptr<PanelWindow>>& containers) {
    const Dpi dpi = screen.dpi();
    for (const ElementSpec& layout : elementsOf(form)) {
        HWND parent = layout.parent == form ? formWindow : screen.hwnd(layout.parent);
        const RECT rect = toPixels(layout.rect, dpi);
        HWND hwnd = nullptr;
        if (layout.kind == Kind::PicturePanel || layout.kind == Kind::GroupFrame) {
            hwnd = createContainer(layout, parent, rect, dpi, containers);
        } else {
            const WindowClassAndStyle cls = controlClass(layout);
            if (cls.className == nullptr) continue;  // File1 and cd1 are no windows
            DWORD style = WS_CHILD | WS_CLIPSIBLINGS | cls.style;
            if (!layout.has(style::Hidden)) style |= WS_VISIBLE;
            if (layout.has(style::Disabled)) style |= WS_DISABLED;
            hwnd = CreateWindowExW(cls.exStyle, cls.className, widen(layout.caption).c_str(), style, rect.left,
                                   rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(layout.id))),
                                   moduleInstance(), nullptr);
        }
        screen.attach(layout.id, hwnd);
        describeToScreenReaders(hwnd, layout.id);
        if (layout.kind == Kind::Label) SetWindowLongPtrW(hwnd, GWLP_USERDATA, labelFormat(layout));
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(layout, hwnd, fonts)), FALSE);
        if (layout.kind == Kind::CheckBox && layout.has(style::Checked)) SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        if (layout.kind == Kind::ProgressBar) SendMessageW(hwnd, PBM_SETRANGE32, 0, 100);
        if (layout.kind == Kind::StatusBar) prepareStatusBar(hwnd, dpi);
    }
    matchLabelSizes(form, screen);
}

HMENU createMainMenu() {
    HMENU bar = CreateMenu();
    for (const MenuSpec& entry : mainMenu()) {
        if (entry.parent != Element::frmTidewell) continue;
        HMENU popup = nullptr;
        for (const MenuSpec& item : mainMenu()) {
            if (item.parent != entry.id) continue;
            if (popup == nullptr) popup = CreatePopupMenu();
            AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(controlId(item.id)), widen(item.caption).c_str());
        }
        if (popup != nullptr)
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), widen(entry.caption).c_str());
        else
            AppendMenuW(bar, MF_STRING, static_cast<UINT_PTR>(controlId(entry.id)), widen(entry.caption).c_str());
    }
    return bar;
}

}  // namespace tw::win
