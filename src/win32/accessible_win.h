// Screen readers learn what an element is from its accessible object: the
// platform's standard one, given the program's name and role for it.
#pragma once

#include "ui/element.h"

#include <windows.h>

namespace tw::win {

// From now on `control` answers WM_GETOBJECT as `element`. The object is
// made only when a client asks, so a start without a screen reader pays
// nothing but the subclass.
void describeToScreenReaders(HWND control, Element element);

}  // namespace tw::win
