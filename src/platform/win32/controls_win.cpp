#include "platform/win32/controls_win.h"

#include "platform/win32/accessible_win.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/wide.h"
#include "ui/layout.h"

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

HBITMAP loadPicture(Picture picture) {
    const int id = bitmapResource(picture);
    return id == 0 ? nullptr
                   : static_cast<HBITMAP>(LoadImageW(moduleInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                                     LR_DEFAULTCOLOR));
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
        return {L"STATIC",
                static_cast<DWORD>(SS_NOTIFY | SS_NOPREFIX |
                                    (layout.has(style::CentredWrapped) ? SS_CENTER : SS_LEFTNOWORDWRAP)),
                0};
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

HWND createContainer(const ElementSpec& layout, HWND parent, const RECT& rect, const Fonts& fonts,
                     std::vector<std::unique_ptr<PanelWindow>>& containers) {
    const bool picture = layout.kind == Kind::PicturePanel;
    auto panel = std::make_unique<PanelWindow>(
        picture ? PanelWindow::Look::Picture : PanelWindow::Look::GroupFrame, loadPicture(layout.picture),
        layout.backColour ? toColorRef(*layout.backColour) : GetSysColor(COLOR_BTNFACE),
        layout.textColour ? toColorRef(*layout.textColour) : GetSysColor(COLOR_BTNTEXT), fonts.bold);
    HWND hwnd = panel->create(parent, rect, widen(layout.caption), !layout.has(style::Hidden), controlId(layout.id));
    containers.push_back(std::move(panel));
    return hwnd;
}

void prepareStatusBar(HWND bar, Dpi dpi) {
    int parts[2] = {twipsToPixels(kStatusPanelWidthTwips, dpi.x), -1};
    SendMessageW(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

}  // namespace

Fonts createFonts(Dpi dpi) {
    const int height = -MulDiv(825, dpi.y, 7200);  // 8.25 pt
    auto make = [height](int weight) {
        return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    };
    return {make(FW_BOLD), make(FW_NORMAL)};
}

void deleteFonts(Fonts& fonts) {
    if (fonts.bold) DeleteObject(fonts.bold);
    if (fonts.regular) DeleteObject(fonts.regular);
    fonts = {};
}

void createElements(Element form, HWND formWindow, Win32Screen& screen, const Fonts& fonts,
                    std::vector<std::unique_ptr<PanelWindow>>& containers) {
    const Dpi dpi = screen.dpi();
    for (const ElementSpec& layout : elementsOf(form)) {
        HWND parent = layout.parent == form ? formWindow : screen.hwnd(layout.parent);
        const RECT rect = toPixels(layout.rect, dpi);
        HWND hwnd = nullptr;
        if (layout.kind == Kind::PicturePanel || layout.kind == Kind::GroupFrame) {
            hwnd = createContainer(layout, parent, rect, fonts, containers);
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
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(layout.kind == Kind::StatusBar ? fonts.regular
                                                                                              : fonts.bold),
                     FALSE);
        if (layout.kind == Kind::CheckBox && layout.has(style::Checked)) SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        if (layout.kind == Kind::ProgressBar) SendMessageW(hwnd, PBM_SETRANGE32, 0, 100);
        if (layout.kind == Kind::StatusBar) prepareStatusBar(hwnd, dpi);
    }
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
