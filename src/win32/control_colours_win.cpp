#include "win32/control_colours_win.h"

#include "ui/layout.h"

namespace tw::win {

ControlColours::ControlColours(const ElementWindows& windows) : windows_(windows) {
    for (Element form : {Element::frmTidewell, Element::frmStart})
        for (const ElementSpec& e : elementsOf(form))
            textColours_[static_cast<std::size_t>(index(e.id))] = e.textColour;
}

void ControlColours::setTextColour(Element element, Rgb colour) {
    textColours_[static_cast<std::size_t>(index(element))] = colour;
    if (HWND h = windows_.hwnd(element)) InvalidateRect(h, nullptr, TRUE);
}

HBRUSH ControlColours::brush(Rgb colour) {
    const COLORREF key = toColorRef(colour);
    auto it = brushes_.find(key);
    if (it == brushes_.end()) it = brushes_.emplace(key, GdiBrush(CreateSolidBrush(key))).first;
    return it->second.get();
}

HBRUSH ControlColours::answer(HWND control, HDC dc) {
    const std::optional<Element> element = windows_.elementOf(control);
    if (!element || !hasLayout(*element)) return nullptr;
    const ElementSpec& layout = specOf(*element);
    if (const auto& text = textColours_[static_cast<std::size_t>(index(*element))])
        SetTextColor(dc, toColorRef(*text));
    if (layout.backColour) {
        SetBkColor(dc, toColorRef(*layout.backColour));
        return brush(*layout.backColour);
    }
    const bool onPicture = !isForm(layout.parent) && specOf(layout.parent).kind == Kind::PicturePanel;
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

}  // namespace tw::win
