// A progress bar redraws itself on every new value, which costs more than
// measuring a file. While long work runs, values therefore reach the bars at
// most every 30 ms, and the last one at once; the progress and the status
// text are painted on the same beat.
#pragma once

#include "win32/element_windows_win.h"

#include <array>

namespace tw::win {

// Posted to the main window when a progress value was held back; handled as
// soon as the program returns to its message loop.
inline constexpr UINT kFlushProgressMessage = WM_APP + 1;

class RepaintThrottle {
public:
    explicit RepaintThrottle(const ElementWindows& windows) : windows_(windows) {}

    void setProgress(Element bar, int value);
    // Hands held-back values to the bars.
    void flushProgress();
    // Paints what changed in the progress and status, without taking any
    // input from the queue.
    void paintNow();

private:
    struct HeldProgress {
        int value = 0;
        bool pending = false;
    };
    HeldProgress& held(Element bar) { return held_[bar == Element::ProgBar ? 0 : 1]; }

    const ElementWindows& windows_;
    std::array<HeldProgress, 2> held_{};
    DWORD lastProgress_ = 0;
    DWORD lastPaint_ = 0;
    bool flushPosted_ = false;
};

}  // namespace tw::win
