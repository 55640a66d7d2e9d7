#include "win32/keyboard_win.h"

#include "ui/layout.h"

namespace tw::win {

ElementStateQuery MainKeyboard::stateQuery() const {
    return {[this](Element e) { return screen_.visible(e); },
            [this](Element e) { return screen_.hwnd(e) != nullptr && IsWindowEnabled(screen_.hwnd(e)) != FALSE; }};
}

void MainKeyboard::focus(Element element) { SetFocus(screen_.hwnd(element)); }

void MainKeyboard::keepFocusReachable() {
    if (main() == nullptr || !IsWindowVisible(main())) return;
    const std::optional<Element> current = screen_.windows().elementOf(GetFocus());
    const ElementStateQuery state = stateQuery();
    if (current && isReachable(*current, state)) return;
    if (const auto next = nextTabStop(current, false, state)) focus(*next);
}

void MainKeyboard::rememberFocus() {
    if (HWND focused = GetFocus(); focused != nullptr && IsChild(main(), focused)) lastFocus_ = focused;
}

void MainKeyboard::restoreFocus() {
    if (lastFocus_ != nullptr && IsWindow(lastFocus_)) SetFocus(lastFocus_);
    keepFocusReachable();
}

bool MainKeyboard::preTranslate(const MSG& msg) {
    if (main() == nullptr || (msg.hwnd != main() && !IsChild(main(), msg.hwnd))) return false;
    const ElementStateQuery state = stateQuery();
    const std::optional<Element> current = screen_.windows().elementOf(GetFocus());
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        if (const auto next = nextTabStop(current, backwards, state)) focus(*next);
        return true;
    }
    if (msg.message == WM_CHAR && msg.wParam == L'\t') return true;
    if (msg.message == WM_SYSCHAR && msg.wParam < 0x80) {
        const auto target = mnemonicTarget(static_cast<char>(msg.wParam), current, state);
        if (!target) return false;  // the menu bar may have the letter
        focus(*target);
        if (specOf(*target).kind == Kind::PushButton) {
            form_.Click(*target);
            keepFocusReachable();
        }
        return true;
    }
    return false;
}

}  // namespace tw::win
