#include "framework/DataExchange.h"
#include "framework/CWnd.h"

#include <cstdlib>

HWND CDataExchange::PrepareCtrl(int id) const
{
    return ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    // A control the dialog lacks stays unattached: its m_hWnd stays null, which its users check.
    if (!control.m_hWnd && !control.SubclassWindow(dx->PrepareCtrl(id)))
        return;
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        CWnd::FromHandle(control)->GetWindowText(value);
    else
        ::SetWindowTextA(control, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    CString text;
    if (!dx->m_bSaveAndValidate)
        text.Format("%d", value);
    DDX_Text(dx, id, text);
    if (dx->m_bSaveAndValidate)
        value = std::atoi(text);
}

namespace
{
// Moves a number that a control keeps (a selection, a check) between the control and a field.
void ExchangeControlNumber(CDataExchange* dx, int id, UINT getMessage, UINT setMessage, int& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(control, getMessage, 0, 0));
    else
        ::SendMessageA(control, setMessage, static_cast<WPARAM>(value), 0);
}
} // namespace

void DDX_CBIndex(CDataExchange* dx, int id, int& index)
{
    ExchangeControlNumber(dx, id, CB_GETCURSEL, CB_SETCURSEL, index);
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index)
{
    ExchangeControlNumber(dx, id, LB_GETCURSEL, LB_SETCURSEL, index);
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    ExchangeControlNumber(dx, id, BM_GETCHECK, BM_SETCHECK, value);
}
