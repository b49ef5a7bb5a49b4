// The HTML Help API, taken from the HTML Help control at run time and shared by every browser of
// the process.
#pragma once

#include <windows.h>

// Calls the control's HtmlHelpA (through the platform seam) and returns its window; null when the
// control or its entry point cannot be had. The first call loads the control: the library the
// registry names for its class, else "hhctrl.ocx". Once that failed, no later call tries again.
HWND ObrHtmlHelp(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
