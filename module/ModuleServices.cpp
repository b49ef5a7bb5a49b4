#include "module/ModuleServices.h"
#include "host/util/HostUtilities.h"

#include <objbase.h>
#include <string>

namespace
{
HINSTANCE g_moduleInstance = nullptr;
} // namespace

HINSTANCE ObrModuleInstance()
{
    return g_moduleInstance;
}

void SetObrModuleInstance(HINSTANCE instance)
{
    g_moduleInstance = instance;
}

const char* szGetStringObr(UINT id)
{
    return szGetString(id, g_moduleInstance);
}

CString strGetStringObr(UINT id)
{
    return strGetString(id, g_moduleInstance);
}

bool IsAllHex(const char* text)
{
    for (const char* p = text; p && *p; ++p)
    {
        char c = *p;
        bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex)
            return false;
    }
    return true;
}

CString GuidText(const GUID& guid)
{
    wchar_t text[40] = {};
    ::StringFromGUID2(guid, text, 40);
    return CString::FromWide(text);
}

bool ParseGuidText(const char* text, GUID& guid)
{
    // "{" eight, four, four, four and twelve digits "}": 38 characters, no more.
    if (!text || std::char_traits<char>::length(text) != 38)
        return false;
    const std::wstring wide(text, text + 38);
    GUID parsed;
    if (FAILED(::IIDFromString(wide.c_str(), &parsed)))
        return false;
    guid = parsed;
    return true;
}
