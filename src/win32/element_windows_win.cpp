#include "win32/element_windows_win.h"

namespace tw::win {

std::optional<Element> ElementWindows::elementOf(HWND hwnd) const {
    if (hwnd == nullptr) return std::nullopt;
    for (int i = 0; i < kElementCount; ++i)
        if (hwnds_[static_cast<std::size_t>(i)] == hwnd) return static_cast<Element>(i);
    return std::nullopt;
}

}  // namespace tw::win
