// Which window shows which element: every form and control is registered
// here when it is made, so messages that name a window can be told apart by
// element.
#pragma once

#include "ui/element.h"

#include <windows.h>

#include <array>
#include <optional>

namespace tw::win {

class ElementWindows {
public:
    void attach(Element element, HWND hwnd) { hwnds_[static_cast<std::size_t>(index(element))] = hwnd; }
    HWND hwnd(Element element) const { return hwnds_[static_cast<std::size_t>(index(element))]; }
    std::optional<Element> elementOf(HWND hwnd) const;

private:
    std::array<HWND, kElementCount> hwnds_{};
};

}  // namespace tw::win
