// What the program's logic needs of its windows, addressed by element.
// Implemented once for Win32 and once as a test double.
#pragma once

#include "ui/colour.h"
#include "ui/element.h"

#include <string>
#include <string_view>
#include <vector>

namespace tw {

struct DirectoryEntry {
    std::string label;  // what the list shows for the directory
    int indent = 0;     // depth in the tree, 0 for the drive root
    bool open = false;  // an ancestor or the current directory
};

class Screen {
public:
    virtual ~Screen() = default;

    // Caption of a form, text of a field, label or button, or the status text
    // of the status bar's first panel.
    virtual std::string text(Element element) const = 0;
    virtual void setText(Element element, std::string_view text) = 0;

    virtual bool visible(Element element) const = 0;
    virtual void setVisible(Element element, bool visible) = 0;

    // The raw value of a check box (0, 1 or 2); reactions are the caller's.
    virtual int checkValue(Element box) const = 0;
    virtual void setCheckValue(Element box, int value) = 0;
    virtual void setTextColour(Element element, Rgb colour) = 0;

    virtual void setProgressMax(Element bar, int max) = 0;
    virtual void setProgressValue(Element bar, int value) = 0;

    virtual void showDirectories(Element list, const std::vector<DirectoryEntry>& entries) = 0;

    // Outer position and size of a form, in twips. The size is meant with the
    // frame the layout was drawn for (kDesignFrame*Twips); the platform keeps
    // the client area that leaves and adds its own frame and menu bar. Sizing
    // throws RuntimeError(err::CannotSizeMinimised) while the form is minimised.
    virtual void setFormLeft(Element form, int twips) = 0;
    virtual void setFormTop(Element form, int twips) = 0;
    virtual void setFormOuterSize(Element form, int widthTwips, int heightTwips) = 0;
    virtual void minimize(Element form) = 0;
    virtual void restore(Element form) = 0;

    // Closes a form; the form's Unload reaction runs before it is gone.
    virtual void unload(Element form) = 0;
    // Ends the process at once: nothing after it runs.
    virtual void endProgram() = 0;

    // Long work runs without returning to the event loop; this lets the
    // progress and status the user is watching reach the screen meanwhile.
    virtual void updateNow() = 0;

    // The user's decimal separator, for numbers the program shows.
    virtual std::string decimalSeparator() const = 0;
};

}  // namespace tw
