#include "impl/CBrowserImpl.h"
#include "impl/CFunctionBrowserImpl.h"
#include "impl/CTypeLibBrowserImpl.h"

namespace
{
// The module's own back-ends: the type-library browser for type 0, the function catalogs for
// types 1 and 2.
CBrowserImpl* CreateModuleBrowserImpl(BROWSER_TYPE type, CBrowserDlg* dialog)
{
    switch (type)
    {
    case BROWSER_TYPELIB:
        return new CTypeLibBrowserImpl(dialog);
    case BROWSER_CATALOG1:
        return new CFunctionBrowserImpl(dialog, 1);
    case BROWSER_CATALOG2:
        return new CFunctionBrowserImpl(dialog, 2);
    default:
        return nullptr;
    }
}

BrowserImplFactory g_factory = &CreateModuleBrowserImpl;
} // namespace

CBrowserImpl* CreateBrowserImpl(BROWSER_TYPE type, CBrowserDlg* dialog)
{
    return g_factory(type, dialog);
}

BrowserImplFactory SetBrowserImplFactory(BrowserImplFactory factory)
{
    BrowserImplFactory previous = g_factory;
    g_factory = factory ? factory : &CreateModuleBrowserImpl;
    return previous;
}
