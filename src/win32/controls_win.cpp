#include "win32/controls_win.h"

#include "ui/layout.h"
#include "win32/accessible_win.h"
#include "win32/control_colours_win.h"
#include "win32/control_ids.h"
#include "win32/owner_draw_win.h"
#include "win32/picture_detail.h"
#include "win32/resource_ids.h"
#include "win32/wide.h"

#include <commctrl.h>

#include <map>
#include <utility>

namespace tw::win {
namespace {

detail::PictureSource pictureSource = nullptr;

int bitmapResource(Picture picture) {
    switch (picture) {
    case Picture::Start: return IDB_START;
    case Picture::Manual: return IDB_MANUAL;
    case Picture::Browser: return IDB_BROWSER;
    case Picture::None: break;
    }
    return 0;
}

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
        // The form draws it (drawOwnerDrawn), in the format labelFormat gives.
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

bool isContainer(const ElementSpec& layout) {
    return layout.kind == Kind::PicturePanel || layout.kind == Kind::GroupFrame;
}

// Most starts never show a hidden panel: it and all on it are made when
// something first needs them.
bool startsAsHiddenPanel(const ElementSpec& layout) { return isContainer(layout) && layout.has(style::Hidden); }

// Whether `element` is `container` or lies on it, at any depth; every
// element lies on its form.
bool liesIn(Element element, Element container) {
    Element e = element;
    while (e != container && hasLayout(e)) e = specOf(e).parent;
    return e == container;
}

HWND createControl(const ElementSpec& layout, HWND parent, const RECT& rect) {
    const WindowClassAndStyle cls = controlClass(layout);
    if (cls.className == nullptr) return nullptr;  // File1 and cd1 are no windows
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | cls.style;
    if (!layout.has(style::Hidden)) style |= WS_VISIBLE;
    if (layout.has(style::Disabled)) style |= WS_DISABLED;
    return CreateWindowExW(cls.exStyle, cls.className, widen(layout.caption).c_str(), style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(layout.id))), moduleInstance(),
                           nullptr);
}

// How a label's caption is laid out; kept with the label for its drawing.
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
void matchLabelSizes(Element form, Element within, const Win32Screen& screen) {
    std::map<Element, HFONT> smallest;
    const auto rowLabel = [&](const ElementSpec& layout) {
        return layout.kind == Kind::Label && !layout.has(style::CentredWrapped) && liesIn(layout.id, within) &&
               screen.hwnd(layout.id) != nullptr;
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

namespace detail {
void takePicturesFrom(PictureSource source) { pictureSource = source; }
}  // namespace detail

GdiBitmap loadPicture(Picture picture) {
    if (pictureSource != nullptr) return pictureSource(picture);
    const int id = bitmapResource(picture);
    if (id == 0) return nullptr;
    return GdiBitmap(static_cast<HBITMAP>(
        LoadImageW(moduleInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

void FormControls::create(HWND formWindow) {
    formWindow_ = formWindow;
    fonts_ = Fonts(screen_.dpi(form_));
    for (const ElementSpec& layout : elementsOf(form_))
        if (waitingPanelOf(layout.id) == nullptr) createElement(layout);
    layOut(Placement::AsCreated, form_);
}

bool FormControls::createWaitingPanelOf(Element element) {
    const ElementSpec* panel = waitingPanelOf(element);
    if (panel == nullptr) return false;
    for (const ElementSpec& layout : elementsOf(form_))
        if (liesIn(layout.id, panel->id)) createElement(layout);
    restackAsListed(*panel);
    layOut(Placement::AsCreated, panel->id);
    return true;
}

const ElementSpec* FormControls::waitingPanelOf(Element element) const {
    if (!hasLayout(element) || formOf(element) != form_) return nullptr;
    const ElementSpec* outermost = nullptr;
    for (Element e = element; hasLayout(e); e = specOf(e).parent) {
        const ElementSpec& layout = specOf(e);
        if (startsAsHiddenPanel(layout) && screen_.hwnd(e) == nullptr) outermost = &layout;
    }
    return outermost;
}

void FormControls::createElement(const ElementSpec& layout) {
    const Dpi dpi = screen_.dpi(form_);
    HWND parent = layout.parent == form_ ? formWindow_ : screen_.hwnd(layout.parent);
    const RECT rect = toPixels(layout.rect, dpi);
    HWND hwnd = nullptr;
    if (isContainer(layout)) {
        auto panel = std::make_unique<PanelWindow>(
            layout.kind == Kind::PicturePanel ? PanelWindow::Look::Picture : PanelWindow::Look::GroupFrame,
            [picture = layout.picture] { return loadPicture(picture); }, dpi,
            layout.backColour ? toColorRef(*layout.backColour) : GetSysColor(COLOR_BTNFACE),
            layout.textColour ? toColorRef(*layout.textColour) : GetSysColor(COLOR_BTNTEXT));
        hwnd = panel->create(parent, rect, widen(layout.caption), !layout.has(style::Hidden), controlId(layout.id));
        containers_.push_back(std::move(panel));
    } else {
        hwnd = createControl(layout, parent, rect);
        if (hwnd == nullptr) return;
    }
    screen_.attach(layout.id, hwnd);
    describeToScreenReaders(hwnd, layout.id);
    if (layout.kind == Kind::Label) SetWindowLongPtrW(hwnd, GWLP_USERDATA, labelFormat(layout));
    if (layout.kind == Kind::CheckBox && layout.has(style::Checked)) SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (layout.kind == Kind::ProgressBar) SendMessageW(hwnd, PBM_SETRANGE32, 0, 100);
}

void FormControls::restackAsListed(const ElementSpec& panel) {
    // A window made later goes below its siblings; the table lists a panel
    // above what comes after it, which it covers when shown.
    HWND above = HWND_TOP;
    for (const ElementSpec& layout : elementsOf(form_)) {
        if (layout.id == panel.id) break;
        if (HWND sibling = screen_.hwnd(layout.id); sibling != nullptr && layout.parent == panel.parent) above = sibling;
    }
    SetWindowPos(screen_.hwnd(panel.id), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormControls::changeDpi(Dpi dpi) {
    screen_.setDpi(form_, dpi);
    // The old fonts go only when every element has let go of them.
    const Fonts old = std::exchange(fonts_, Fonts(dpi));
    layOut(Placement::Move, form_);
}

void FormControls::layOut(Placement placement, Element within) {
    const Dpi dpi = screen_.dpi(form_);
    const bool move = placement == Placement::Move;
    if (move)
        for (const auto& container : containers_) container->setDpi(dpi);
    for (const ElementSpec& layout : elementsOf(form_)) {
        HWND hwnd = screen_.hwnd(layout.id);
        if (hwnd == nullptr || !liesIn(layout.id, within)) continue;
        const RECT rect = toPixels(layout.rect, dpi);
        if (move && !layout.has(style::DockBottom))
            SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(layout, hwnd, fonts_)), FALSE);
        if (layout.kind == Kind::StatusBar) prepareStatusBar(hwnd, dpi);
        // A docked bar places itself at its parent's foot, as high as its font needs.
        if (layout.has(style::DockBottom)) SendMessageW(hwnd, WM_SIZE, 0, 0);
        if (layout.kind == Kind::DirList) SendMessageW(hwnd, LB_SETITEMHEIGHT, 0, directoryItemHeight(dpi));
    }
    matchLabelSizes(form_, within, screen_);
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
