// A user's double-click on a member of an open browser, as the list sends it, and the same once a
// modal browser opens. Header only: the
// suites that use it link the module.
#pragma once

#include "browser/CBrowserDlg.h"
#include "resources/resource.h"
#include "tests/support/ModalScript.h"

#include <gtest/gtest.h>
#include <string>

namespace obrtest
{
// Selects the member by name (letter case ignored), gives its list the focus as the mouse would,
// and double-clicks it.
inline void DoubleClickMember(CBrowserDlg& browser, const char* name)
{
    CListCtrl* members = browser.m_pMembersList;
    members->SetFocus();
    const int row = members->FindItemText(name);
    members->SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    NMITEMACTIVATE activate = {};
    activate.hdr.hwndFrom = members->m_hWnd;
    activate.hdr.idFrom = IDC_MEMBERS_LIST;
    activate.hdr.code = NM_DBLCLK;
    activate.iItem = row;
    browser.SendMessage(WM_NOTIFY, IDC_MEMBERS_LIST, reinterpret_cast<LPARAM>(&activate));
}

// Once the browser of that caption is up (from inside its modal loop), double-clicks the entry; a
// browser the double-click left open is cancelled.
inline void ChooseWhenOpen(const std::string& caption, const std::string& entry)
{
    RunSoon(
        [caption, entry]()
        {
            HWND window = ::FindWindowA(nullptr, caption.c_str());
            auto* browser = dynamic_cast<CBrowserDlg*>(CWnd::FromHandlePermanent(window));
            ASSERT_NE(nullptr, browser) << caption;
            DoubleClickMember(*browser, entry.c_str());
            if (::IsWindow(window))
                browser->PostMessage(WM_COMMAND, IDCANCEL);
        });
}
} // namespace obrtest
