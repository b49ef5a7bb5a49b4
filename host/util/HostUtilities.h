// The host's message box and string loaders.
#pragma once

#include "framework/CString.h"
#include "host/util/QvxUtilApi.h"

#include <windows.h>

// Shows a modal message box with the text, owned by the active window, and returns the button the
// user chose. type 0 shows an OK button only; helpId, a and b are accepted for the host's own use.
QVX_UTIL_API int KivMessageBox(const char* text, UINT type, UINT helpId, int a, int b);

// String `id` of the module's string table; the buffer stays valid until the next call; an empty
// text when the module has no such string.
QVX_UTIL_API const char* szGetString(UINT id, HINSTANCE module);
QVX_UTIL_API CString strGetString(UINT id, HINSTANCE module);
