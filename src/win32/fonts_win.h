// MS Sans Serif 8.25 pt at one DPI: bold for every element, regular for the
// status bar, and the regular face in smaller sizes for labels that need them.
#pragma once

#include "win32/dpi.h"
#include "win32/gdi.h"

#include <map>
#include <string>

namespace tw::win {

class Fonts {
public:
    Fonts() = default;
    explicit Fonts(Dpi dpi);

    HFONT bold() const { return bold_.get(); }
    HFONT regular() const { return regular_.get(); }
    // The largest regular face, at most the nominal size, in which `text`
    // drawn with DrawText `format` fits `box`; the smallest one tried if none.
    HFONT fitting(const std::wstring& text, SIZE box, UINT format) const;

private:
    int height_ = 0;  // character height in pixels
    GdiFont bold_;
    GdiFont regular_;
    mutable std::map<int, GdiFont> smaller_;
};

}  // namespace tw::win
