// The start-up progress window: a picture with ProgBar2, shown while the
// main window prepares itself.
#pragma once

#include "ui/screen.h"

namespace tw {

class frmStart {
public:
    explicit frmStart(Screen& screen) : screen_(screen) {}
    void Load();

private:
    Screen& screen_;
};

}  // namespace tw
