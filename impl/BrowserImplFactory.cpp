#include "CBrowserImpl.h"

namespace
{
// The module's own back-ends for each browser type, as they are built.
CBrowserImpl* CreateModuleBrowserImpl(BROWSER_TYPE, CBrowserDlg*)
{
    return nullptr;
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
