// The main window's keyboard: Tab and the access keys follow the layout's tab
// order (ui/keyboard_navigation), and the focus stays on a control the user
// can reach, across panels and across switches to other programs.
#pragma once

#include "ui/frm_tidewell.h"
#include "ui/keyboard_navigation.h"
#include "win32/screen_win.h"

namespace tw::win {

class MainKeyboard {
public:
    MainKeyboard(const Win32Screen& screen, frmTidewell& form) : screen_(screen), form_(form) {}

    // Tab and access keys, before the message is translated and dispatched.
    bool preTranslate(const MSG& msg);
    // After a reaction a panel may cover the focused control: move on.
    void keepFocusReachable();
    // The window loses or regains activation: the focus goes and comes back.
    void rememberFocus();
    void restoreFocus();

private:
    HWND main() const { return screen_.hwnd(Element::frmTidewell); }
    ElementStateQuery stateQuery() const;
    void focus(Element element);

    const Win32Screen& screen_;
    frmTidewell& form_;
    HWND lastFocus_ = nullptr;
};

}  // namespace tw::win
