#include "host/ctrl/CKivDialog.h"

CKivDialog::CKivDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

CKivDialog::~CKivDialog() = default;

BOOL CKivDialog::Create(UINT templateId, CWnd* parent)
{
    return CDialog::Create(templateId, parent);
}

BOOL CKivDialog::OnInitDialog()
{
    return CDialog::OnInitDialog();
}

void CKivDialog::OnOK()
{
    CDialog::OnOK();
}

void CKivDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
}

void CKivDialog::OnSysCommand(UINT id, LPARAM lParam)
{
    CDialog::OnSysCommand(id, lParam);
}

void CKivDialog::OnMouseMove(UINT flags, CPoint point)
{
    CDialog::OnMouseMove(flags, point);
}

void CKivDialog::OnLButtonUp(UINT flags, CPoint point)
{
    CDialog::OnLButtonUp(flags, point);
}

CGroupDialog::~CGroupDialog() = default;
