// The browser dialog's layout: the splitter rectangles between its panes and the minimised icon.
#include "CBrowserDlg.h"
#include "resource.h"

namespace
{
CRect ClientRectOf(CWnd* dialog, CWnd* control)
{
    CRect rect;
    control->GetWindowRect(&rect);
    dialog->ScreenToClient(&rect);
    return rect;
}
} // namespace

void CBrowserDlg::SetSplitterRectangles()
{
    CWnd* classes = GetDlgItem(IDC_CLASSES_LIST);
    CWnd* members = GetDlgItem(IDC_MEMBERS_LIST);
    CWnd* description = GetDlgItem(IDC_DESCRIPTION);
    if (!classes || !members || !description)
        return;
    CRect classesRect = ClientRectOf(this, classes);
    CRect membersRect = ClientRectOf(this, members);
    CRect descriptionRect = ClientRectOf(this, description);
    m_rcVSplitter.SetRect(classesRect.right, classesRect.top, membersRect.left, membersRect.bottom);
    m_rcHSplitter.SetRect(descriptionRect.left, classesRect.bottom, descriptionRect.right,
                          descriptionRect.top);
}

void CBrowserDlg::OnPaint()
{
    if (!IsIconic())
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect client;
    GetClientRect(&client);
    int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CBrowserDlg::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(m_hIcon);
}
