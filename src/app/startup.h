// The program's entry procedure: which window comes first and in which order
// the two windows are loaded, shown and hidden.
#pragma once

#include "ui/element.h"
#include "ui/screen.h"

namespace tw {

class FormLoader {
public:
    virtual ~FormLoader() = default;
    // Creates the form, hidden, and runs its load reaction to the end.
    virtual void load(Element form) = 0;
};

// Returns once the main window is visible.
void RunStartup(FormLoader& loader, Screen& screen);

}  // namespace tw
