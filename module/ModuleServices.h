// What the whole module stands on: its instance handle, its string loaders and small helpers.
#pragma once

#include "module/BrowserApi.h"
#include "framework/CString.h"

#include <windows.h>

// The module's own instance, stored by its entry point when it is loaded; its strings and icons
// come from it.
HINSTANCE ObrModuleInstance();
void SetObrModuleInstance(HINSTANCE instance);

// String `id` of the module's string table; the buffer stays valid until the next call.
OBR_API const char* szGetStringObr(UINT id);
OBR_API CString strGetStringObr(UINT id);

// True when the text is empty or every character is a hexadecimal digit.
OBR_API bool IsAllHex(const char* text);

// A GUID as the registry and the project files write it: in braces, upper-case hexadecimal.
OBR_API CString GuidText(const GUID& guid);
// The GUID such a text names (braces required, either letter case); false, the GUID untouched,
// for any other text.
[[nodiscard]] OBR_API bool ParseGuidText(const char* text, GUID& guid);
