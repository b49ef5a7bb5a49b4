// Loading one reference of the host: a type library known by its GUID and version only.
#pragma once

#include "module/BrowserApi.h"

#include <windows.h>
#include <memory>

class CTLib;

// The registered library, or null when it is not registered or does not load. A reference names
// no locale: the neutral locale is tried first, then the user's, then the first locale the
// library is registered under for that version (a library registered under 409 only).
OBR_API std::unique_ptr<CTLib> LoadReferencedLibrary(const GUID& guid, WORD major, WORD minor);
