#include "win32/screen_win.h"

#include "common/runtime_error.h"
#include "ui/layout.h"
#include "win32/owner_draw_win.h"
#include "win32/wide.h"
#include "win32/window_base.h"

#include <commctrl.h>

namespace tw::win {

Win32Screen::Win32Screen(Dpi dpi) : formDpi_{dpi, dpi} {}

HWND Win32Screen::ensureWindow(Element element) {
    if (HWND h = hwnd(element)) return h;
    if (makeWaiting_) makeWaiting_(element);
    return hwnd(element);
}

void Win32Screen::attach(Element element, HWND hwnd) {
    windows_.attach(element, hwnd);
    if (const auto text = waitingTexts_.find(element); text != waitingTexts_.end()) {
        SetWindowTextW(hwnd, widen(text->second).c_str());
        waitingTexts_.erase(text);
    }
    if (const auto list = waitingDirectories_.find(element); list != waitingDirectories_.end()) {
        const std::vector<DirectoryEntry> entries = std::move(list->second);
        waitingDirectories_.erase(list);
        showDirectories(element, entries);
    }
}

std::string Win32Screen::text(Element element) const {
    if (element == Element::Sbar) return statusText_;
    if (HWND h = hwnd(element)) return narrow(windowText(h));
    if (const auto waiting = waitingTexts_.find(element); waiting != waitingTexts_.end()) return waiting->second;
    return hasLayout(element) ? std::string(specOf(element).caption) : std::string();
}

void Win32Screen::setText(Element element, std::string_view text) {
    HWND h = hwnd(element);
    if (h == nullptr) {
        // Made later: the text waits for the element.
        if (hasLayout(element)) waitingTexts_[element] = std::string(text);
        return;
    }
    if (element == Element::Sbar) {
        statusText_ = std::string(text);
        SendMessageW(h, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
        return;
    }
    SetWindowTextW(h, widen(text).c_str());
}

bool Win32Screen::visible(Element element) const {
    // An element not yet made is as its table row has it: every change of
    // its visibility makes it.
    if (HWND h = hwnd(element)) return (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0;
    return hasLayout(element) && !specOf(element).has(style::Hidden);
}

void Win32Screen::setVisible(Element element, bool visible) {
    // Hiding what is not made yet and is hidden as made needs no window.
    if (!visible && hwnd(element) == nullptr && !this->visible(element)) return;
    HWND h = ensureWindow(element);
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
    if (HWND h = hwnd(box)) return static_cast<int>(SendMessageW(h, BM_GETCHECK, 0, 0));
    return hasLayout(box) && specOf(box).has(style::Checked) ? BST_CHECKED : BST_UNCHECKED;
}

void Win32Screen::setCheckValue(Element box, int value) {
    SendMessageW(ensureWindow(box), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void Win32Screen::setTextColour(Element element, Rgb colour) { colours_.setTextColour(element, colour); }

void Win32Screen::setProgressMax(Element bar, int max) {
    SendMessageW(ensureWindow(bar), PBM_SETRANGE32, 0, max);
}

void Win32Screen::setProgressValue(Element bar, int value) {
    ensureWindow(bar);
    repaints_.setProgress(bar, value);
}

void Win32Screen::showDirectories(Element list, const std::vector<DirectoryEntry>& entries) {
    HWND h = hwnd(list);
    if (h == nullptr) {
        waitingDirectories_[list] = entries;
        return;
    }
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    int current = -1;
    for (const DirectoryEntry& entry : entries) {
        const auto at = SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(entry.label).c_str()));
        SendMessageW(h, LB_SETITEMDATA, static_cast<WPARAM>(at), packDirectoryItem(entry));
        if (entry.open) current = static_cast<int>(at);
    }
    SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(h, nullptr, TRUE);
}

void Win32Screen::setFormLeft(Element form, int twips) {
    RECT r;
    GetWindowRect(hwnd(form), &r);
    const int left = twipsToPixels(twips, dpi(form).x);
    if (left != r.left) SetWindowPos(hwnd(form), nullptr, left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Screen::setFormTop(Element form, int twips) {
    RECT r;
    GetWindowRect(hwnd(form), &r);
    const int top = twipsToPixels(twips, dpi(form).y);
    if (top != r.top) SetWindowPos(hwnd(form), nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Screen::setFormOuterSize(Element form, int widthTwips, int heightTwips) {
    HWND h = hwnd(form);
    if (IsIconic(h)) throw RuntimeError(err::CannotSizeMinimised);
    // The size is given with the frame the layout was drawn for; the frame
    // and menu bar the window has now come on top, so the client area the
    // elements were placed in stays whole. They are measured on the window,
    // as the system draws them at the DPI of its monitor.
    const int width = twipsToPixels(widthTwips - kDesignFrameWidthTwips, dpi(form).x);
    const int height = twipsToPixels(heightTwips - kDesignFrameHeightTwips, dpi(form).y);
    RECT outer, client;
    GetWindowRect(h, &outer);
    GetClientRect(h, &client);
    if (client.right == width && client.bottom == height) return;
    SetWindowPos(h, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                 outer.bottom - outer.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Screen::minimize(Element form) { ShowWindow(hwnd(form), SW_MINIMIZE); }

void Win32Screen::restore(Element form) { ShowWindow(hwnd(form), SW_RESTORE); }

void Win32Screen::unload(Element form) { SendMessageW(hwnd(form), WM_CLOSE, 0, 0); }

void Win32Screen::endProgram() {
    for (Element form : {Element::frmTidewell, Element::frmStart})
        if (HWND h = hwnd(form)) ShowWindow(h, SW_HIDE);
    PostQuitMessage(0);
}

void Win32Screen::updateNow() { repaints_.paintNow(); }

std::string Win32Screen::decimalSeparator() const {
    wchar_t separator[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return narrow(separator);
}

}  // namespace tw::win
