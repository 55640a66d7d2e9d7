// The Screen of the real program: every element is a window (or a menu item)
// found by its Element, and the colours the logic sets are applied when the
// controls ask their parent for them.
#pragma once

#include "ui/keyboard_navigation.h"
#include "ui/screen.h"
#include "win32/dpi.h"
#include "win32/gdi.h"

#include <windows.h>

#include <array>
#include <map>
#include <optional>

namespace tw::win {

// Posted to the main window when a progress value was held back; handled as
// soon as the program returns to its message loop.
inline constexpr UINT kFlushProgressMessage = WM_APP + 1;

class Win32Screen final : public Screen {
public:
    // Elements are laid out for `dpi`; tests build them for any DPI.
    explicit Win32Screen(Dpi dpi = screenDpi());

    void attach(Element element, HWND hwnd);
    HWND hwnd(Element element) const { return hwnds_[static_cast<std::size_t>(index(element))]; }
    std::optional<Element> elementOf(HWND hwnd) const;
    Dpi dpi() const { return dpi_; }

    // Answers a control's WM_CTLCOLOR* request; nullptr leaves the default.
    HBRUSH controlColours(HWND control, HDC dc);
    ElementStateQuery stateQuery() const;

    std::string text(Element element) const override;
    void setText(Element element, std::string_view text) override;
    bool visible(Element element) const override;
    void setVisible(Element element, bool visible) override;
    int checkValue(Element box) const override;
    void setCheckValue(Element box, int value) override;
    void setTextColour(Element element, Rgb colour) override;
    void setProgressMax(Element bar, int max) override;
    void setProgressValue(Element bar, int value) override;
    void showDirectories(Element list, const std::vector<DirectoryEntry>& entries) override;
    void setFormLeft(Element form, int twips) override;
    void setFormTop(Element form, int twips) override;
    void setFormOuterSize(Element form, int widthTwips, int heightTwips) override;
    void minimize(Element form) override;
    void restore(Element form) override;
    void unload(Element form) override;
    void endProgram() override;
    void updateNow() override;
    std::string decimalSeparator() const override;

    // Hands held-back progress values to the bars.
    void flushProgress();

private:
    HBRUSH brush(Rgb colour);

    // A progress bar redraws itself on every new value, which costs more than
    // measuring a file; values therefore reach the bars at most every
    // kRepaintIntervalMs while work runs, and the final one at once.
    struct HeldProgress {
        int value = 0;
        bool pending = false;
    };
    HeldProgress& held(Element bar) { return held_[bar == Element::ProgBar ? 0 : 1]; }
    std::array<HeldProgress, 2> held_{};
    DWORD lastProgress_ = 0;
    bool flushPosted_ = false;

    Dpi dpi_;
    std::array<HWND, kElementCount> hwnds_{};
    std::array<std::optional<Rgb>, kElementCount> textColours_{};
    std::map<COLORREF, GdiBrush> brushes_;
    std::string statusText_;
    DWORD lastUpdate_ = 0;
};

}  // namespace tw::win
