// What a screen reader is told each element is: its name in the program's
// own words and its role.
#pragma once

#include "ui/element.h"

#include <optional>
#include <string>
#include <string_view>

namespace tw {

enum class AccessibleRole : std::uint8_t {
    PushButton,
    CheckButton,
    Text,
    StaticText,
    Grouping,
    List,
    ProgressBar,
    StatusBar,
};

// The name of `element` while its caption (or a status bar's text) is
// `caption`; none where the platform's own name, the caption without its
// access-key marker, already says what the element is.
std::optional<std::string> accessibleName(Element element, std::string_view caption);

AccessibleRole accessibleRole(Element element);

}  // namespace tw
