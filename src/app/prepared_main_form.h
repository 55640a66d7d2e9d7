// Layers, low to high: common < platform < cache, settings < ui < app < win32. This is app/.
// The main window's logic made whole by its preparation at load: reading
// both settings files, opening the panel that is needed, checking the stored
// cache directory, applying the stored switches and taking the inventory.
#pragma once

#include "ui/frm_tidewell.h"

namespace tw {

class PreparedMainForm final : public frmTidewell {
public:
    using frmTidewell::frmTidewell;

    void FirstThing() override;

protected:
    void LoadReaction() override;

private:
    void ReadBrowserPath();
};

}  // namespace tw
