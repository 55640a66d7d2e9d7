// The controls the program draws itself (owner-drawn): the labels, bold
// without the wider advance of a bold face, and the directory list's items,
// each a folder glyph indented by its depth.
#pragma once

#include "ui/screen.h"
#include "win32/dpi.h"

#include <windows.h>

namespace tw::win {

// A directory list item's data: its depth and whether it is open, as the
// item's drawing unpacks it.
LPARAM packDirectoryItem(const DirectoryEntry& entry);

int directoryItemHeight(Dpi dpi);

// Draws a label (SS_OWNERDRAW) or a directory list item, as WM_DRAWITEM asks.
void drawOwnerDrawn(const DRAWITEMSTRUCT& item);

}  // namespace tw::win
