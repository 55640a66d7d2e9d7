#include "win32/fonts_win.h"

namespace tw::win {
namespace {

HFONT msSansSerif(int height, int weight) {
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
}

}  // namespace

Fonts::Fonts(Dpi dpi)
    : height_(MulDiv(825, dpi.y, 7200)),  // 8.25 pt
      bold_(msSansSerif(height_, FW_BOLD)),
      regular_(msSansSerif(height_, FW_NORMAL)) {}

HFONT Fonts::fitting(const std::wstring& text, SIZE box, UINT format) const {
    // A third smaller at most; below that a caption is no longer read at a glance.
    const int smallest = height_ * 2 / 3;
    MemoryDc dc(nullptr);
    HFONT font = regular();
    for (int height = height_; height >= smallest; --height) {
        if (height < height_) {
            GdiFont& smaller = smaller_[height];
            if (!smaller) smaller.reset(msSansSerif(height, FW_NORMAL));
            font = smaller.get();
        }
        Selected selected(dc.get(), font);
        RECT needed{0, 0, box.cx, 0};
        DrawTextW(dc.get(), text.c_str(), -1, &needed, format | DT_CALCRECT);
        if (needed.right <= box.cx && needed.bottom <= box.cy) return font;
    }
    return font;
}

}  // namespace tw::win
