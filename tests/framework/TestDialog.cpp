#include "tests/framework/TestDialog.h"

// clang-format off
BEGIN_MESSAGE_MAP(CountingListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()
// clang-format on

void CountingListCtrl::OnCustomDraw(NMHDR*, LRESULT* result)
{
    ++m_customDraws;
    *result = CDRF_DODEFAULT;
}

// clang-format off
BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_COMMAND(IDC_TEST_GO, OnGo)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_TEST_CHECKLIST, OnCheckChange)
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_TEST_LIST, OnParentCustomDraw)
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipText)
END_MESSAGE_MAP()
// clang-format on

BOOL TestDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_onInit)
        m_onInit(*this);
    return TRUE;
}

void TestDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_TEST_LIST, m_list);
    DDX_Control(dx, IDC_TEST_CHECKLIST, m_checkList);
    DDX_Text(dx, IDC_TEST_EDIT, m_text);
    DDX_CBIndex(dx, IDC_TEST_COMBO, m_comboIndex);
}

void TestDialog::OnGo()
{
    ++m_goCount;
    EndDialog(42);
}

void TestDialog::OnCheckChange()
{
    ++m_lastCheckChange;
}

void TestDialog::OnParentCustomDraw(NMHDR*, LRESULT*)
{
    ++m_parentCustomDraws;
}

BOOL TestDialog::OnToolTipText(UINT, NMHDR* header, LRESULT*)
{
    auto* request = reinterpret_cast<NMTTDISPINFOA*>(header);
    if (!(request->uFlags & TTF_IDISHWND))
        return FALSE;
    int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom));
    if (id != IDC_TEST_GO)
        return FALSE;
    lstrcpynA(request->szText, "Aller là", sizeof request->szText);
    return TRUE;
}
