#include "CBrowserImpl.h"
#include "CFunctionBrowserImpl.h"

namespace
{
// The module's own back-ends: the function catalogs for types 1 and 2. The type-library
// browser's back-end is not built yet, so type 0 has none.
CBrowserImpl* CreateModuleBrowserImpl(BROWSER_TYPE type, CBrowserDlg* dialog)
{
    switch (type)
    {
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
