#include "ModuleServices.h"
#include "HostUtilities.h"
#include "ResourceChain.h"

namespace
{
HINSTANCE g_moduleInstance = nullptr;
AFX_EXTENSION_MODULE g_extensionModule = {};
} // namespace

HINSTANCE ObrModuleInstance()
{
    return g_moduleInstance;
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

// The module joins the host's framework as an extension module, so that its dialogs, strings and
// icons are found through the framework's resource chain.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    switch (reason)
    {
    case DLL_PROCESS_ATTACH:
        g_moduleInstance = instance;
        if (!AfxInitExtensionModule(g_extensionModule, instance))
            return FALSE;
        new CDynLinkLibrary(g_extensionModule);
        return TRUE;
    case DLL_PROCESS_DETACH:
        AfxTermExtensionModule(g_extensionModule);
        return TRUE;
    default:
        return TRUE;
    }
}
