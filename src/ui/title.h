// The program's title, as version.h names it, and the main window's captions
// built on it.
#pragma once

#include "version.h"

#include <string_view>

namespace tw {

// The main window's caption at rest, and the caption of the program's own boxes.
inline constexpr std::string_view kAppTitle = TW_APP_TITLE;
// The caption while the browser panel asks for a browser.
inline constexpr std::string_view kSelectBrowserCaption = TW_APP_TITLE " - Select a Browser";

}  // namespace tw
