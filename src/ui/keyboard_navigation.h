// Tab order and mnemonics of the main window. The platform derives both from
// the stacking of controls, which here is a different order; and a control
// covered by a shown panel must not be reachable by keyboard (Alt+T behind
// the manual panel would otherwise clean the cache through a button the user
// cannot see).
#pragma once

#include "ui/element.h"

#include <functional>
#include <optional>

namespace tw {

struct ElementStateQuery {
    std::function<bool(Element)> visible;  // the element's own visibility
    std::function<bool(Element)> enabled;
};

// Whether the user can reach the element: a kind that takes the focus,
// visible with all its parents, enabled, and not covered by a shown panel.
bool isReachable(Element element, const ElementStateQuery& state);

// The next (or previous) reachable element in tab-index order after
// `current`, wrapping around; none when nothing is reachable.
std::optional<Element> nextTabStop(std::optional<Element> current, bool backwards,
                                   const ElementStateQuery& state);

// The reachable element whose caption has `letter` as its mnemonic, the
// first after `current` in tab order when several have it.
std::optional<Element> mnemonicTarget(char letter, std::optional<Element> current,
                                      const ElementStateQuery& state);

}  // namespace tw
