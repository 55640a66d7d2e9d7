// The Win32 window of frmTidewell: it turns window messages into the form's
// events; its elements, their colours and drawing, and its keyboard are
// each the job of a helper.
#pragma once

#include "ui/frm_tidewell.h"
#include "win32/controls_win.h"
#include "win32/keyboard_win.h"
#include "win32/window_base.h"

namespace tw::win {

class MainWindow final : public WindowBase {
public:
    MainWindow(Win32Screen& screen, frmTidewell& form)
        : screen_(screen), form_(form), controls_(Element::frmTidewell, screen), keyboard_(screen, form) {}

    // Creates the window, hidden, with its menu and elements.
    void create();
    bool preTranslate(const MSG& msg) { return keyboard_.preTranslate(msg); }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT onCommand(int id, int code);
    LRESULT onSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT onControlColour(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT onSize();
    LRESULT onActivate(int state);
    LRESULT onClose();
    LRESULT onEndSession(bool ending);
    LRESULT onFlushProgress();
    LRESULT onDpiChanged(Dpi dpi, const RECT& suggested);
    LRESULT onDestroy();

    Win32Screen& screen_;
    frmTidewell& form_;
    FormControls controls_;
    MainKeyboard keyboard_;
};

}  // namespace tw::win
