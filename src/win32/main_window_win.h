// The Win32 window of frmTidewell: it turns window messages into the form's
// events and owns the keyboard rules the platform cannot express.
#pragma once

#include "ui/frm_tidewell.h"
#include "win32/controls_win.h"
#include "win32/window_base.h"

namespace tw::win {

class MainWindow final : public WindowBase {
public:
    MainWindow(Win32Screen& screen, frmTidewell& form, const Fonts& fonts)
        : screen_(screen), form_(form), fonts_(fonts) {}

    // Creates the window, hidden, with its menu and elements.
    void create();
    // Tab and access keys, before the message is translated and dispatched.
    bool preTranslate(const MSG& msg);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onCommand(int id, int code);
    BOOL onSetCursor(HWND over, int hitTest, int mouseMessage);
    void onActivate(int state);
    void onClose();
    void onMeasureItem(MEASUREITEMSTRUCT& item);
    void onDrawItem(const DRAWITEMSTRUCT& item);

    void focus(Element element);
    // After a reaction a panel may cover the focused control: move on.
    void keepFocusReachable();

    Win32Screen& screen_;
    frmTidewell& form_;
    const Fonts& fonts_;
    std::vector<std::unique_ptr<PanelWindow>> containers_;
    HWND lastFocus_ = nullptr;
};

}  // namespace tw::win
