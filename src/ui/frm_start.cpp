#include "ui/frm_start.h"

#include "ui/layout.h"

namespace tw {

void frmStart::Load() {
    screen_.setVisible(Element::frmStart, true);
    screen_.setFormTop(Element::frmStart, kStartTopTwips);
    screen_.setFormLeft(Element::frmStart, kStartLeftTwips);
}

}  // namespace tw
