#include "win32/repaint_throttle_win.h"

#include <commctrl.h>

namespace tw::win {
namespace {

constexpr DWORD kRepaintIntervalMs = 30;

}  // namespace

void RepaintThrottle::setProgress(Element bar, int value) {
    HeldProgress& progress = held(bar);
    progress.value = value;
    progress.pending = true;
    if (value == 0 || GetTickCount() - lastProgress_ >= kRepaintIntervalMs) {
        flushProgress();
    } else if (!flushPosted_) {
        flushPosted_ = PostMessageW(windows_.hwnd(Element::frmTidewell), kFlushProgressMessage, 0, 0) != FALSE;
    }
}

void RepaintThrottle::flushProgress() {
    for (Element bar : {Element::ProgBar, Element::ProgBar2}) {
        HeldProgress& progress = held(bar);
        HWND h = windows_.hwnd(bar);
        if (!progress.pending || h == nullptr) continue;
        SendMessageW(h, PBM_SETPOS, static_cast<WPARAM>(progress.value), 0);
        progress.pending = false;
    }
    lastProgress_ = GetTickCount();
    flushPosted_ = false;
}

void RepaintThrottle::paintNow() {
    const DWORD now = GetTickCount();
    if (now - lastPaint_ < kRepaintIntervalMs) return;
    lastPaint_ = now;
    flushProgress();
    for (Element e : {Element::ProgBar, Element::Sbar, Element::ProgBar2})
        if (HWND h = windows_.hwnd(e)) UpdateWindow(h);
}

}  // namespace tw::win
