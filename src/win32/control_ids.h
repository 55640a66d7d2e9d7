// Each element's control and menu item carries its element's number past the
// identifiers the system reserves; tools that drive the program use it too.
#pragma once

#include "ui/element.h"

#include <optional>

namespace tw::win {

inline constexpr int kFirstControlId = 1000;

constexpr int controlId(Element element) { return kFirstControlId + index(element); }

constexpr std::optional<Element> elementOfId(int id) {
    const int i = id - kFirstControlId;
    if (i < 0 || i >= kElementCount) return std::nullopt;
    return static_cast<Element>(i);
}

}  // namespace tw::win
