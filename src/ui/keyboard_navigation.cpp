#include "ui/keyboard_navigation.h"

#include "common/text.h"
#include "ui/layout.h"

#include <algorithm>
#include <vector>

namespace tw {
namespace {

bool takesFocus(Kind kind) {
    switch (kind) {
    case Kind::PushButton:
    case Kind::TextField:
    case Kind::CheckBox:
    case Kind::DirList:
        return true;
    default:
        return false;
    }
}

bool overlaps(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

const ElementSpec& topLevelAncestor(const ElementSpec& layout) {
    const ElementSpec* current = &layout;
    while (current->parent != Element::frmTidewell) current = &specOf(current->parent);
    return *current;
}

bool shownWithParents(const ElementSpec& layout, const ElementStateQuery& state) {
    for (const ElementSpec* s = &layout;; s = &specOf(s->parent)) {
        if (!state.visible(s->id)) return false;
        if (s->parent == Element::frmTidewell) return true;
    }
}

bool coveredByPanel(const ElementSpec& layout, const ElementStateQuery& state) {
    const ElementSpec& top = topLevelAncestor(layout);
    for (const ElementSpec& above : elementsOf(Element::frmTidewell)) {
        if (above.id == top.id) return false;  // the rest lie below it
        if (above.kind == Kind::PicturePanel && state.visible(above.id) && overlaps(above.rect, top.rect))
            return true;
    }
    return false;
}

// Elements of the main window that take part in the tab order, by tab index.
std::vector<const ElementSpec*> tabOrder() {
    std::vector<const ElementSpec*> order;
    for (const ElementSpec& e : elementsOf(Element::frmTidewell))
        if (e.tabIndex >= 0) order.push_back(&e);
    std::sort(order.begin(), order.end(),
              [](const ElementSpec* a, const ElementSpec* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

// Reachable elements in tab order, starting after `current`.
std::vector<Element> reachableAfter(std::optional<Element> current, bool backwards,
                                    const ElementStateQuery& state) {
    std::vector<const ElementSpec*> order = tabOrder();
    if (backwards) std::reverse(order.begin(), order.end());
    std::size_t start = 0;
    if (current) {
        const auto at = std::find_if(order.begin(), order.end(),
                                     [&](const ElementSpec* e) { return e->id == *current; });
        if (at != order.end()) start = static_cast<std::size_t>(at - order.begin()) + 1;
    }
    std::vector<Element> result;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const ElementSpec* e = order[(start + k) % order.size()];
        if (isReachable(e->id, state)) result.push_back(e->id);
    }
    return result;
}

}  // namespace

bool isReachable(Element element, const ElementStateQuery& state) {
    if (formOf(element) != Element::frmTidewell || isForm(element)) return false;
    const ElementSpec* layout = nullptr;
    for (const ElementSpec& e : elementsOf(Element::frmTidewell))
        if (e.id == element) layout = &e;
    if (layout == nullptr || !takesFocus(layout->kind)) return false;
    return shownWithParents(*layout, state) && state.enabled(element) && !coveredByPanel(*layout, state);
}

std::optional<Element> nextTabStop(std::optional<Element> current, bool backwards,
                                   const ElementStateQuery& state) {
    const std::vector<Element> candidates = reachableAfter(current, backwards, state);
    if (candidates.empty()) return std::nullopt;
    return candidates.front();
}

std::optional<Element> mnemonicTarget(char letter, std::optional<Element> current,
                                      const ElementStateQuery& state) {
    const char wanted = asciiUpper(letter);
    for (Element e : reachableAfter(current, false, state))
        if (readCaption(specOf(e).caption).key == wanted) return e;
    return std::nullopt;
}

}  // namespace tw
