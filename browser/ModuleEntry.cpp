// The module's entry point.
#include "module/ModuleServices.h"
#include "framework/ResourceChain.h"

namespace
{
AFX_EXTENSION_MODULE g_extensionModule = {};
} // namespace

// The module joins the host's framework as an extension module, so that its dialogs, strings and
// icons are found through the framework's resource chain.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    switch (reason)
    {
    case DLL_PROCESS_ATTACH:
        SetObrModuleInstance(instance);
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
