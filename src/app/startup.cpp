#include "app/startup.h"

namespace tw {

void RunStartup(FormLoader& loader, Screen& screen) {
    loader.load(Element::frmStart);
    // The main window prepares itself, inventory included, while only the
    // start-up window is on the screen.
    loader.load(Element::frmTidewell);
    screen.setVisible(Element::frmTidewell, true);
    // Hidden, not closed: it stays loaded until the program ends.
    screen.setVisible(Element::frmStart, false);
}

}  // namespace tw
