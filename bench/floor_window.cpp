// The floor for the start-up: the plainest program that makes the windows
// the program's first screen shows, read from the program's own tables, and
// does nothing else. The start-up window with its progress bar, shown; the
// main window with its menu and every element shown at the start, each given
// a font; the main window shown and the start-up window hidden. No settings,
// no inventory, no pictures, no reactions: what is left of the program's
// start once all its own work is gone.
#include "plain_window.h"
#include "ui/layout.h"
#include "win32/dpi.h"
#include "win32/wide.h"

#include <commctrl.h>

#include <map>

namespace {

using namespace tw;

const wchar_t* windowClass(Kind kind) {
    switch (kind) {
    case Kind::PushButton:
    case Kind::CheckBox: return L"BUTTON";
    case Kind::TextField: return L"EDIT";
    case Kind::Label:
    case Kind::PicturePanel:
    case Kind::GroupFrame: return L"STATIC";
    case Kind::DirList: return L"LISTBOX";
    case Kind::ProgressBar: return PROGRESS_CLASSW;
    case Kind::StatusBar: return STATUSCLASSNAMEW;
    default: return nullptr;
    }
}

HMENU mainMenuBar() {
    HMENU bar = CreateMenu();
    for (const MenuSpec& entry : mainMenu())
        if (entry.parent == Element::frmTidewell) AppendMenuW(bar, MF_STRING, 1, win::widen(entry.caption).c_str());
    return bar;
}

// The form and its elements that are shown at the start; a hidden element's
// children are left out with it.
HWND makeForm(Element form, const wchar_t* className, DWORD style, DWORD exStyle, HMENU menu, HFONT font) {
    const win::Dpi dpi = win::screenDpi();
    const RECT client = win::toPixels(formSpec(form).client, dpi);
    RECT outer = client;
    AdjustWindowRectEx(&outer, style, menu != nullptr, exStyle);
    HWND window = CreateWindowExW(exStyle, className, win::widen(formSpec(form).caption).c_str(), style, client.left,
                                  client.top, outer.right - outer.left, outer.bottom - outer.top, nullptr, menu,
                                  GetModuleHandleW(nullptr), nullptr);
    std::map<Element, HWND> made{{form, window}};
    for (const ElementSpec& element : elementsOf(form)) {
        const wchar_t* kind = windowClass(element.kind);
        if (kind == nullptr || element.has(style::Hidden) || !made.contains(element.parent)) continue;
        const RECT r = win::toPixels(element.rect, dpi);
        HWND control = CreateWindowExW(0, kind, win::widen(element.caption).c_str(), WS_CHILD | WS_VISIBLE, r.left,
                                       r.top, r.right - r.left, r.bottom - r.top, made[element.parent], nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        made[element.id] = control;
    }
    return window;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    registerPlainClass(instance, L"frmStart");
    registerPlainClass(instance, L"frmTidewell");

    HWND start = makeForm(Element::frmStart, L"frmStart", WS_POPUP, WS_EX_TOOLWINDOW, nullptr, font);
    ShowWindow(start, SW_SHOWNOACTIVATE);
    UpdateWindow(start);
    HWND main = makeForm(Element::frmTidewell, L"frmTidewell", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                         0, mainMenuBar(), font);
    ShowWindow(main, show);
    UpdateWindow(main);
    ShowWindow(start, SW_HIDE);
    return runMessageLoop();
}
