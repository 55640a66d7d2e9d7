// The Win32 layer's tests have none of the program's resources: they hand
// the picture windows flat pictures of their own.
#pragma once

#include "ui/layout.h"
#include "win32/gdi.h"

namespace tw::win::detail {

using PictureSource = GdiBitmap (*)(Picture picture);

// Pictures come from `source` from now on; from the resources again for nullptr.
void takePicturesFrom(PictureSource source);

}  // namespace tw::win::detail
