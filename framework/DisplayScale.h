// The display scale of a window: the dots per inch of its monitor (96 at 100 %), and sizes given
// in pixels at 96 dots per inch made into pixels at that scale.
#pragma once

#include "framework/FrameworkApi.h"

#include <windows.h>

namespace fwk
{
// The window's DPI where the platform tells it per window (Windows 10 1607 and later), the
// screen's otherwise; 96 when neither can be read.
FWK_API int DpiOf(HWND window);

// pixelsAt96 at the given DPI, rounded to the nearest pixel.
inline int ScaleForDpi(int pixelsAt96, int dpi)
{
    return ::MulDiv(pixelsAt96, dpi, 96);
}
} // namespace fwk
