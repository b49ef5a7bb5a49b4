// Which module a resource is loaded from: the current resource module first, then every extension
// module linked into the chain, then the application. A string or icon is thus found in the module
// that owns it, also when the host loads several extension modules.
#pragma once

#include "framework/FrameworkApi.h"

#include <windows.h>

FWK_API HINSTANCE AfxGetInstanceHandle();
FWK_API HINSTANCE AfxGetResourceHandle();
FWK_API void AfxSetResourceHandle(HINSTANCE module);
// The first module of the chain that holds the resource, or null.
FWK_API HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type);

// The record an extension module keeps of itself.
struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

// Called at process attach: records the module; false when it cannot be used as an extension module.
FWK_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
// Called at process detach: takes the module out of the resource chain.
FWK_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all = FALSE);

// Linking a module into the resource chain; created with new at process attach, deleted by
// AfxTermExtensionModule.
class FWK_API CDynLinkLibrary
{
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    virtual ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
};

namespace fwk
{
// Makes a module's resources current for the lifetime of the object, then restores the previous one.
class ResourceScope
{
public:
    explicit ResourceScope(HINSTANCE module) : m_previous(AfxGetResourceHandle())
    {
        AfxSetResourceHandle(module);
    }
    ~ResourceScope() { AfxSetResourceHandle(m_previous); }
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;

private:
    HINSTANCE m_previous;
};
} // namespace fwk
