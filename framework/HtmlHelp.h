// The HTML Help API, taken from the HTML Help control at run time and shared by every window of the
// process.
#pragma once

#include "framework/FrameworkApi.h"

#include <windows.h>

namespace fwk
{
// The requests made: a page by its name, a page by its context number, closing every help window.
constexpr UINT kHtmlHelpDisplayTopic = 0x0000;
constexpr UINT kHtmlHelpContext = 0x000F;
constexpr UINT kHtmlHelpCloseAll = 0x0012;

// Calls the control's HtmlHelpA (through the platform seam) and returns its window; null when the
// control or its entry point cannot be had. The first call loads the control: the library the
// registry names for its class, else "hhctrl.ocx". Once that failed, no later call tries again.
FWK_API HWND HtmlHelp(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

// Whether a help file is an HTML Help file (".chm"), which HtmlHelp opens and WinHelp does not.
FWK_API bool IsHtmlHelpFile(const char* path);
} // namespace fwk
