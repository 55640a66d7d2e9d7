#include "win32/screen_win.h"

#include "common/runtime_error.h"
#include "ui/layout.h"
#include "win32/wide.h"
#include "win32/window_base.h"

#include <commctrl.h>

namespace tw::win {
namespace {

// How often long work lets the progress reach the screen.
constexpr DWORD kRepaintIntervalMs = 30;

COLORREF toColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

bool hasLayout(Element e) {
    return !isForm(e) && e != Element::menuSettings && e != Element::menuSetBrowser &&
           e != Element::menuSetCache && e != Element::menuAbout;
}

}  // namespace

Win32Screen::Win32Screen(Dpi dpi) : dpi_(dpi) {
    for (Element form : {Element::frmTidewell, Element::frmStart})
        for (const ElementSpec& e : elementsOf(form))
            textColours_[static_cast<std::size_t>(index(e.id))] = e.textColour;
}

void Win32Screen::attach(Element element, HWND hwnd) { hwnds_[static_cast<std::size_t>(index(element))] = hwnd; }

std::optional<Element> Win32Screen::elementOf(HWND hwnd) const {
    if (hwnd == nullptr) return std::nullopt;
    for (int i = 0; i < kElementCount; ++i)
        if (hwnds_[static_cast<std::size_t>(i)] == hwnd) return static_cast<Element>(i);
    return std::nullopt;
}

HBRUSH Win32Screen::brush(Rgb colour) {
    const COLORREF key = toColorRef(colour);
    auto it = brushes_.find(key);
    if (it == brushes_.end()) it = brushes_.emplace(key, GdiBrush(CreateSolidBrush(key))).first;
    return it->second.get();
}

HBRUSH Win32Screen::controlColours(HWND control, HDC dc) {
    const std::optional<Element> element = elementOf(control);
    if (!element || !hasLayout(*element)) return nullptr;
    const ElementSpec& layout = specOf(*element);
    if (const auto& text = textColours_[static_cast<std::size_t>(index(*element))])
        SetTextColor(dc, toColorRef(*text));
    if (layout.backColour) {
        SetBkColor(dc, toColorRef(*layout.backColour));
        return brush(*layout.backColour);
    }
    const bool onPicture = layout.parent != Element::frmTidewell && layout.parent != Element::frmStart &&
                           specOf(layout.parent).kind == Kind::PicturePanel;
    if (layout.kind == Kind::Label && onPicture) {
        // Labels on a picture let the picture show through.
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    if (layout.kind == Kind::TextField) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

ElementStateQuery Win32Screen::stateQuery() const {
    return {[this](Element e) { return visible(e); },
            [this](Element e) { return hwnd(e) != nullptr && IsWindowEnabled(hwnd(e)) != FALSE; }};
}

std::string Win32Screen::text(Element element) const {
    if (element == Element::Sbar) return statusText_;
    HWND h = hwnd(element);
    return h == nullptr ? std::string() : narrow(windowText(h));
}

void Win32Screen::setText(Element element, std::string_view text) {
    HWND h = hwnd(element);
    if (h == nullptr) return;
    if (element == Element::Sbar) {
        statusText_ = std::string(text);
        SendMessageW(h, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
        return;
    }
    SetWindowTextW(h, widen(text).c_str());
}

bool Win32Screen::visible(Element element) const {
    HWND h = hwnd(element);
    return h != nullptr && (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Screen::setVisible(Element element, bool visible) {
    HWND h = hwnd(element);
    if (h == nullptr) return;
    if (isForm(element)) {
        ShowWindow(h, visible ? (element == Element::frmStart ? SW_SHOWNOACTIVATE : SW_SHOW) : SW_HIDE);
        if (visible) UpdateWindow(h);
        return;
    }
    if (!visible && IsChild(h, GetFocus())) SetFocus(GetParent(h));
    ShowWindow(h, visible ? SW_SHOW : SW_HIDE);
}

int Win32Screen::checkValue(Element box) const {
    return static_cast<int>(SendMessageW(hwnd(box), BM_GETCHECK, 0, 0));
}

void Win32Screen::setCheckValue(Element box, int value) {
    SendMessageW(hwnd(box), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void Win32Screen::setTextColour(Element element, Rgb colour) {
    textColours_[static_cast<std::size_t>(index(element))] = colour;
    if (HWND h = hwnd(element)) InvalidateRect(h, nullptr, TRUE);
}

void Win32Screen::setProgressMax(Element bar, int max) {
    SendMessageW(hwnd(bar), PBM_SETRANGE32, 0, max);
}

void Win32Screen::setProgressValue(Element bar, int value) {
    HeldProgress& progress = held(bar);
    progress.value = value;
    progress.pending = true;
    if (value == 0 || GetTickCount() - lastProgress_ >= kRepaintIntervalMs) {
        flushProgress();
    } else if (!flushPosted_) {
        flushPosted_ = PostMessageW(hwnd(Element::frmTidewell), kFlushProgressMessage, 0, 0) != FALSE;
    }
}

void Win32Screen::flushProgress() {
    for (Element bar : {Element::ProgBar, Element::ProgBar2}) {
        HeldProgress& progress = held(bar);
        if (!progress.pending || hwnd(bar) == nullptr) continue;
        SendMessageW(hwnd(bar), PBM_SETPOS, static_cast<WPARAM>(progress.value), 0);
        progress.pending = false;
    }
    lastProgress_ = GetTickCount();
    flushPosted_ = false;
}

void Win32Screen::showDirectories(Element list, const std::vector<DirectoryEntry>& entries) {
    HWND h = hwnd(list);
    if (h == nullptr) return;
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    int current = -1;
    for (const DirectoryEntry& entry : entries) {
        const auto at = SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(entry.label).c_str()));
        SendMessageW(h, LB_SETITEMDATA, static_cast<WPARAM>(at),
                     static_cast<LPARAM>(entry.indent | (entry.open ? 0x10000 : 0)));
        if (entry.open) current = static_cast<int>(at);
    }
    SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(h, nullptr, TRUE);
}

void Win32Screen::setFormLeft(Element form, int twips) {
    RECT r;
    GetWindowRect(hwnd(form), &r);
    SetWindowPos(hwnd(form), nullptr, twipsToPixels(twips, dpi_.x), r.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Screen::setFormTop(Element form, int twips) {
    RECT r;
    GetWindowRect(hwnd(form), &r);
    SetWindowPos(hwnd(form), nullptr, r.left, twipsToPixels(twips, dpi_.y), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Screen::setFormOuterSize(Element form, int widthTwips, int heightTwips) {
    HWND h = hwnd(form);
    if (IsIconic(h)) throw RuntimeError(err::CannotSizeMinimised);
    // The size is given with the frame the layout was drawn for; this
    // system's frame and menu bar come on top, so the client area the
    // elements were placed in stays whole.
    RECT r{0, 0, twipsToPixels(widthTwips - kDesignFrameWidthTwips, dpi_.x),
           twipsToPixels(heightTwips - kDesignFrameHeightTwips, dpi_.y)};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)), GetMenu(h) != nullptr,
                       static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE)));
    SetWindowPos(h, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Screen::minimize(Element form) { ShowWindow(hwnd(form), SW_MINIMIZE); }

void Win32Screen::restore(Element form) { ShowWindow(hwnd(form), SW_RESTORE); }

void Win32Screen::unload(Element form) { SendMessageW(hwnd(form), WM_CLOSE, 0, 0); }

void Win32Screen::endProgram() {
    for (Element form : {Element::frmTidewell, Element::frmStart})
        if (HWND h = hwnd(form)) ShowWindow(h, SW_HIDE);
    PostQuitMessage(0);
}

void Win32Screen::updateNow() {
    const DWORD now = GetTickCount();
    if (now - lastUpdate_ < kRepaintIntervalMs) return;
    lastUpdate_ = now;
    flushProgress();
    // Paint what changed, without taking any input from the queue.
    for (Element e : {Element::ProgBar, Element::Sbar, Element::ProgBar2})
        if (HWND h = hwnd(e)) UpdateWindow(h);
}

std::string Win32Screen::decimalSeparator() const {
    wchar_t separator[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return narrow(separator);
}

}  // namespace tw::win
