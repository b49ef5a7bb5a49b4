#include "module/ModuleServices.h"
#include "host/util/HostUtilities.h"

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
