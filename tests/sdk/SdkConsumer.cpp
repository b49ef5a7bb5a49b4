// A host of the installed SDK: it includes the public headers by folder, links the imported
// targets, and checks that the module it loads is the one it was built against. Exit code 0 when
// everything holds.
#include "browser/CBrowserDlg.h"
#include "browser/CModelessBrowserDlg.h"
#include "references/CReferencesDialog.h"

#include <windows.h>

extern "C" int CInterfaceAnswers(void);

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const GUID stdole = {0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    CBrowserDlg browser(BROWSER_TYPELIB);
    browser.m_extensions.Add(stdole, 2, 0);
    std::list<TLVLibId> references;
    CReferencesDialog dialog(&references);
    if (browser.GetType() != BROWSER_TYPELIB || browser.m_extensions.count() != 1 ||
        !IsEqualGUID(browser.m_extensions.ItemGUID(0), stdole))
        return 1;
    if (!CInterfaceAnswers())
        return 3;
    return ID_PASTE_COMMAND == 0xE125 ? 0 : 2;
}
