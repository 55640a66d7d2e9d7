// The Win32 window of frmStart: a borderless picture with ProgBar2.
#pragma once

#include "win32/controls_win.h"
#include "win32/window_base.h"

namespace tw::win {

class StartWindow final : public WindowBase {
public:
    explicit StartWindow(Win32Screen& screen) : screen_(screen), controls_(Element::frmStart, screen) {}

    void create();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC dc) override;
    LRESULT onDpiChanged(Dpi dpi, const RECT& suggested);

    Win32Screen& screen_;
    FormControls controls_;
    GdiBitmap picture_;
};

}  // namespace tw::win
