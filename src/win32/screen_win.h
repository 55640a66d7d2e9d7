// The Screen of the real program: every element is a window (or a menu item)
// found by its Element, those on a hidden panel from when the panel is first
// needed; colours and progress go through the helpers that own them, and
// twips become pixels at the DPI of the element's form.
#pragma once

#include "ui/screen.h"
#include "win32/control_colours_win.h"
#include "win32/dpi.h"
#include "win32/element_windows_win.h"
#include "win32/repaint_throttle_win.h"

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tw::win {

class Win32Screen final : public Screen {
public:
    // Both forms are laid out for `dpi` until a form is told another.
    explicit Win32Screen(Dpi dpi = screenDpi());

    ElementWindows& windows() { return windows_; }
    const ElementWindows& windows() const { return windows_; }
    HWND hwnd(Element element) const { return windows_.hwnd(element); }
    // The element's window, made now if it waits to be made; null for an
    // element that is no window.
    HWND ensureWindow(Element element);
    // Who makes a waiting element (one on a panel not yet needed); it answers
    // whether it made one.
    void makeWaitingElementsWith(std::function<bool(Element)> make) { makeWaiting_ = std::move(make); }
    // Registers the element's window, which takes at once what was set on
    // the element while it waited.
    void attach(Element element, HWND hwnd);
    ControlColours& colours() { return colours_; }
    RepaintThrottle& repaints() { return repaints_; }

    Dpi dpi(Element form) const { return formDpi_[formSlot(form)]; }
    void setDpi(Element form, Dpi dpi) { formDpi_[formSlot(form)] = dpi; }

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

private:
    static std::size_t formSlot(Element form) { return form == Element::frmTidewell ? 0 : 1; }

    ElementWindows windows_;
    ControlColours colours_{windows_};
    RepaintThrottle repaints_{windows_};
    std::array<Dpi, 2> formDpi_;
    std::string statusText_;
    std::function<bool(Element)> makeWaiting_;
    // What was set on waiting elements, theirs when they are made.
    std::map<Element, std::string> waitingTexts_;
    std::map<Element, std::vector<DirectoryEntry>> waitingDirectories_;
};

}  // namespace tw::win
