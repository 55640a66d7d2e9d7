#pragma once

#include "platform/dialogs.h"

#include <windows.h>

#include <functional>

namespace tw::win {

class Win32Dialogs final : public Dialogs {
public:
    // `owner` names the window a box belongs to at the moment it opens: the
    // visible form (the start-up window while the main window prepares).
    explicit Win32Dialogs(std::function<HWND()> owner) : owner_(std::move(owner)) {}

    int messageBox(std::string_view text, int flags, std::string_view caption) override;
    std::optional<std::string> openFile(std::string_view filter) override;

private:
    std::function<HWND()> owner_;
};

}  // namespace tw::win
