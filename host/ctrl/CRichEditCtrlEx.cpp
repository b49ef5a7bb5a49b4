#include "host/ctrl/CRichEditCtrlEx.h"

// clang-format off
BEGIN_MESSAGE_MAP(CRichEditCtrlEx, CRichEditCtrl)
    ON_NOTIFY_REFLECT_EX(EN_LINK, OnLink)
END_MESSAGE_MAP()
// clang-format on

CRichEditCtrlEx::CRichEditCtrlEx() = default;
CRichEditCtrlEx::~CRichEditCtrlEx() = default;

void CRichEditCtrlEx::UseHyperlinks(UINT cursorId)
{
    HINSTANCE module =
        AfxFindResourceHandle(MAKEINTRESOURCEA(cursorId), MAKEINTRESOURCEA(12) /* RT_GROUP_CURSOR */);
    m_hLinkCursor = module ? ::LoadCursorA(module, MAKEINTRESOURCEA(cursorId)) : nullptr;
    if (!m_hLinkCursor)
        m_hLinkCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649) /* IDC_HAND */);
    SetEventMask(GetEventMask() | ENM_LINK);
}

void CRichEditCtrlEx::SetLinks(const std::vector<RTFLinkRun>& links)
{
    m_links.clear();
    m_focusedLink = -1;
    if (links.empty())
        return;
    // Marking the runs moves the selection: the parent hears nothing of it.
    const DWORD events = GetEventMask();
    SetEventMask(events & ~ENM_SELCHANGE);
    CHARRANGE saved = {};
    GetSel(saved);
    const CString text = GetWindowText();
    for (const RTFLinkRun& run : links)
    {
        CHARRANGE range = LocateRun(run, text);
        SetSel(range.cpMin, range.cpMax);
        CHARFORMAT2A format = {};
        format.dwMask = CFM_LINK;
        format.dwEffects = CFE_LINK;
        SetSelectionCharFormat(format);
        m_links.push_back({range, run.dwData});
    }
    SetSel(saved.cpMin, saved.cpMax);
    SetEventMask(events);
}

CHARRANGE CRichEditCtrlEx::LocateRun(const RTFLinkRun& run, const CString& text)
{
    // The builder counts a paragraph end as one character; a control that keeps CR LF counts two,
    // so a run after such ends stands a little further on. The control's text says where (looking
    // it up there costs no round trip to the control per try).
    const long kMostParagraphEnds = 256;
    const int found = run.strText.IsEmpty() ? -1 : text.Find(run.strText, static_cast<int>(run.nStart));
    if (found >= 0 && found <= run.nStart + kMostParagraphEnds)
        return {found, found + run.nLength};
    return {run.nStart, run.nStart + run.nLength};
}

BOOL CRichEditCtrlEx::OnLink(NMHDR* header, LRESULT* result)
{
    auto* link = reinterpret_cast<ENLINK*>(header);
    if (link->msg == WM_SETCURSOR && m_hLinkCursor)
    {
        ::SetCursor(m_hLinkCursor);
        *result = TRUE;
        return TRUE;
    }
    if (link->msg != WM_LBUTTONDOWN)
        return FALSE;
    for (size_t i = 0; i < m_links.size(); ++i)
    {
        const CHARRANGE& range = m_links[i].range;
        if (link->chrg.cpMin >= range.cpMin && link->chrg.cpMin < range.cpMax)
        {
            Follow(static_cast<int>(i), WM_LBUTTONDOWN);
            *result = TRUE; // the click is the link's: no selection starts
            return TRUE;
        }
    }
    return FALSE;
}

void CRichEditCtrlEx::Follow(int link, UINT message)
{
    const Link& followed = m_links[static_cast<size_t>(link)];
    ENLINK notification = {};
    notification.nmhdr.hwndFrom = m_hWnd;
    notification.nmhdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    notification.nmhdr.code = EN_LINK;
    notification.msg = message;
    notification.chrg = followed.range;
    RTFLinkClick click = {static_cast<UINT>(link), followed.data};
    if (HWND parent = ::GetParent(m_hWnd))
        ::SendMessageA(parent, RTFN_LINKCLICKED, reinterpret_cast<WPARAM>(&click),
                       reinterpret_cast<LPARAM>(&notification));
}

int CRichEditCtrlEx::NextLink(bool backwards) const
{
    const int count = GetLinkCount();
    const int next = m_focusedLink < 0 ? (backwards ? count - 1 : 0) : m_focusedLink + (backwards ? -1 : 1);
    return next >= 0 && next < count ? next : -1;
}

void CRichEditCtrlEx::FocusLink(int link)
{
    m_focusedLink = link;
    // The selected run is the keyboard's focus, shown as the selection.
    if (link >= 0)
        SetSel(m_links[static_cast<size_t>(link)].range.cpMin,
               m_links[static_cast<size_t>(link)].range.cpMax);
}

LRESULT CRichEditCtrlEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Which way a Tab goes; read only for the few messages that need it.
    auto backwards = [] { return ::GetKeyState(VK_SHIFT) < 0; };
    switch (message)
    {
    case WM_GETDLGCODE:
    {
        // Tab stays here while it has a link to go to, Enter while a link is selected; the dialog
        // has every other key as for any read-only pane.
        LRESULT code =
            CRichEditCtrl::WindowProc(message, wParam, lParam) & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB && NextLink(backwards()) >= 0)
            code |= DLGC_WANTTAB | DLGC_WANTMESSAGE;
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && m_focusedLink >= 0)
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        if (wParam == VK_TAB && NextLink(backwards()) >= 0)
        {
            FocusLink(NextLink(backwards()));
            return 0;
        }
        if (wParam == VK_RETURN && m_focusedLink >= 0)
        {
            Follow(m_focusedLink, WM_KEYDOWN);
            return 0;
        }
        break;
    case WM_CHAR:
        // The Tab and Enter that moved between or followed links have no character to add.
        if (wParam == '\t' || wParam == '\r')
            return 0;
        break;
    case WM_SETFOCUS:
    {
        // Reached by Tab, the pane selects its first link (its last by Shift+Tab) as the focus;
        // reached by a click, the click says where.
        const LRESULT handled = CRichEditCtrl::WindowProc(message, wParam, lParam);
        m_focusedLink = -1;
        if (::GetKeyState(VK_TAB) < 0)
            FocusLink(NextLink(backwards()));
        return handled;
    }
    case WM_LBUTTONDOWN:
        m_focusedLink = -1;
        break;
    default:
        break;
    }
    return CRichEditCtrl::WindowProc(message, wParam, lParam);
}
