// A dialog of the framework tests: its controls are bound to fields and objects, and a test can
// run its own steps at the end of OnInitDialog (for a modal run, before the loop starts).
#pragma once

#include "framework/Framework.h"
#include "tests/framework/TestDialogs.h"

#include <functional>

// A list control that counts the custom-draw notifications handed back to it by its parent.
class CountingListCtrl : public CListCtrl
{
public:
    int m_customDraws = 0;

protected:
    void OnCustomDraw(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};

class TestDialog : public CDialog
{
public:
    TestDialog() : CDialog(IDD_TEST_DIALOG) {}

    std::function<void(TestDialog&)> m_onInit;
    CString m_text;
    int m_comboIndex = -1;
    int m_goCount = 0;
    int m_parentCustomDraws = 0;
    CString m_toolTipText;
    CountingListCtrl m_list;
    CCheckListBox m_checkList;
    UINT m_lastCheckChange = 0;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnGo();
    void OnCheckChange();
    void OnParentCustomDraw(NMHDR* header, LRESULT* result);
    BOOL OnToolTipText(UINT id, NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};
