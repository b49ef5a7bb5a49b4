#include "framework/ResourceChain.h"
#include "framework/CWinApp.h"

#include <algorithm>
#include <vector>

namespace
{
HINSTANCE g_resourceHandle = nullptr;

// Newest first, as a later module may override an earlier one's resource.
std::vector<CDynLinkLibrary*>& Libraries()
{
    static std::vector<CDynLinkLibrary*> libraries;
    return libraries;
}

bool HasResource(HINSTANCE module, LPCSTR name, LPCSTR type)
{
    return module && FindResourceA(module, name, type);
}
} // namespace

HINSTANCE AfxGetInstanceHandle()
{
    CWinApp* app = AfxGetApp();
    return app && app->m_hInstance ? app->m_hInstance : GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return g_resourceHandle ? g_resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE module)
{
    g_resourceHandle = module;
}

HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type)
{
    if (HasResource(AfxGetResourceHandle(), name, type))
        return AfxGetResourceHandle();
    for (CDynLinkLibrary* library : Libraries())
        if (HasResource(library->m_hResource, name, type))
            return library->m_hResource;
    if (HasResource(AfxGetInstanceHandle(), name, type))
        return AfxGetInstanceHandle();
    return nullptr;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module)
{
    if (!module)
        return FALSE;
    state.hModule = module;
    state.hResource = module;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all)
{
    std::vector<CDynLinkLibrary*> doomed;
    for (CDynLinkLibrary* library : Libraries())
        if (all || library->m_hModule == state.hModule)
            doomed.push_back(library);
    for (CDynLinkLibrary* library : doomed)
        delete library;
    if (g_resourceHandle == state.hResource)
        g_resourceHandle = nullptr;
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource)
{
    Libraries().insert(Libraries().begin(), this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    auto& libraries = Libraries();
    libraries.erase(std::remove(libraries.begin(), libraries.end(), this), libraries.end());
}
