// The Win32 window of frmStart: a borderless picture with ProgBar2.
#pragma once

#include "win32/controls_win.h"
#include "win32/window_base.h"

namespace tw::win {

class StartWindow final : public WindowBase {
public:
    StartWindow(Win32Screen& screen, const Fonts& fonts) : screen_(screen), fonts_(fonts) {}

    void create();
    void setPicture(GdiBitmap picture);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC dc) override;

    Win32Screen& screen_;
    const Fonts& fonts_;
    GdiBitmap picture_;
    std::vector<std::unique_ptr<PanelWindow>> containers_;
};

}  // namespace tw::win
