#include "session.h"

#include "platform/win32/control_ids.h"
#include "ui/layout.h"

#include <stdexcept>

namespace tw::e2e {
namespace {

int twips(int value, int dpi) { return MulDiv(value, dpi, 1440); }

RECT expectedRect(const ElementSpec& layout) {
    HDC screen = GetDC(nullptr);
    const int dx = GetDeviceCaps(screen, LOGPIXELSX), dy = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const int left = twips(layout.rect.left, dx), top = twips(layout.rect.top, dy);
    return RECT{left, top, left + twips(layout.rect.width, dx), top + twips(layout.rect.height, dy)};
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

Session::Session(const ProgramFolder& folder) : program_(std::make_unique<Program>(folder.exe(), folder.root())) {}

HWND Session::start() const { return program_->topLevel(L"frmStart"); }

bool Session::waitReady(std::chrono::milliseconds limit) {
    main_ = program_->waitForTopLevel(L"frmTidewell", true, limit);
    return main_ != nullptr && waitFor([&] { return start() != nullptr && !IsWindowVisible(start()); }, limit);
}

HWND Session::find(Element element) const {
    const ElementSpec& layout = specOf(element);
    HWND parent = layout.parent == Element::frmTidewell ? main_ : find(layout.parent);
    const RECT wanted = expectedRect(layout);
    // Elements that share a rectangle (the two panels) are told apart by
    // their stacking, which follows the layout table.
    int sameBefore = 0;
    for (const ElementSpec& other : elementsOf(Element::frmTidewell)) {
        if (other.id == element) break;
        if (other.parent == layout.parent && other.rect == layout.rect) ++sameBefore;
    }
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        // The status bar docks itself to the bottom edge whatever its rectangle.
        const bool matches = layout.kind == Kind::StatusBar ? className(child) == "msctls_statusbar32"
                                                          : sameRect(rectInParent(child), wanted);
        if (matches && sameBefore-- == 0) return child;
    }
    throw std::runtime_error("no control at the rectangle of " + std::string(layout.name));
}

int Session::checkValue(Element box) const {
    return static_cast<int>(SendMessageW(find(box), BM_GETCHECK, 0, 0));
}

void Session::menu(Element item) const { chooseMenu(main_, static_cast<UINT>(win::controlId(item))); }

bool Session::showsColour(Element element, COLORREF colour) const {
    const RECT r = windowRect(find(element));
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    bool found = false;
    for (int y = 0; y < height && !found; ++y)
        for (int x = 0; x < width && !found; ++x) found = GetPixel(memory, x, y) == colour;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return found;
}

BoxContent Session::answerBox(int buttonId) {
    HWND box = program_->waitForMessageBox();
    if (box == nullptr) throw std::runtime_error("no message box appeared");
    const BoxContent content = readMessageBox(box);
    answerMessageBox(box, buttonId);
    waitFor([&] { return !IsWindow(box); });
    return content;
}

}  // namespace tw::e2e
