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
            RTFLinkClick click = {static_cast<UINT>(i), m_links[i].data};
            if (HWND parent = ::GetParent(m_hWnd))
                ::SendMessageA(parent, RTFN_LINKCLICKED, reinterpret_cast<WPARAM>(&click),
                               reinterpret_cast<LPARAM>(link));
            *result = TRUE; // the click is the link's: no selection starts
            return TRUE;
        }
    }
    return FALSE;
}
