#include "browser/CSearchPane.h"
#include "browser/CBrowserDlg.h"
#include "impl/CBrowserImpl.h"
#include "module/ModuleServices.h"
#include "resources/resource.h"

#include <algorithm>

// clang-format off
BEGIN_MESSAGE_MAP(CSearchPane, CBrowserListCtrl)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
END_MESSAGE_MAP()
// clang-format on

namespace
{
// The height of a row before the pane has any, in pixels at 96 dots per inch.
constexpr int kEmptyRowHeight = 20;

bool IsWithin(HWND window, HWND ancestor)
{
    return window && ancestor && (window == ancestor || ::IsChild(ancestor, window));
}

// Each hit's columns: library, class and member, or category and element.
CString ColumnText(const SearchHit& hit, int column, bool withLibrary)
{
    if (!withLibrary)
        ++column;
    switch (column)
    {
    case 0:
        return hit.item.strLibrary;
    case 1:
        return hit.item.strClass;
    default:
        return hit.item.strMember;
    }
}
} // namespace

CComboBox* CSearchPane::Box()
{
    return static_cast<CComboBox*>(m_dialog.GetDlgItem(IDC_SEARCH_TEXT));
}

CWnd* CSearchPane::CloseButton()
{
    return m_dialog.GetDlgItem(IDC_CLOSE_RESULTS);
}

bool CSearchPane::Attach()
{
    // Each showing of the dialog starts without a pane; hits of an earlier showing are not kept.
    m_bShown = false;
    m_hits.clear();
    CWnd* pane = m_dialog.GetDlgItem(IDC_SEARCH_RESULTS);
    if (!pane || !m_dialog.m_pImpl || (!m_hWnd && !SubclassWindow(pane->m_hWnd)))
        return false;
    const bool withLibrary = m_dialog.m_pImpl->SearchesLibraries();
    const UINT columns[] = {IDS_COLUMN_LIBRARY, IDS_COLUMN_CLASS, IDS_COLUMN_MEMBER};
    const UINT catalogColumns[] = {IDS_COLUMN_CATEGORY, IDS_COLUMN_ELEMENT};
    const UINT* titles = withLibrary ? columns : catalogColumns;
    for (int i = 0, count = withLibrary ? 3 : 2; i < count; ++i)
        InsertColumn(i, szGetStringObr(titles[i]), LVCFMT_LEFT, 100);
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    SetImageList(m_dialog.m_pImageList, LVSIL_SMALL);
    for (int id : {IDC_SEARCH_TEXT, IDC_SEARCH})
        if (CWnd* control = m_dialog.GetDlgItem(id))
        {
            control->ModifyStyle(0, WS_TABSTOP);
            control->ShowWindow(SW_SHOW);
        }
    return true;
}

bool CSearchPane::HandleKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !IsWithin(msg.hwnd, m_dialog.m_hWnd))
        return false;
    CComboBox* box = Box();
    if (!box || !box->IsWindowVisible())
        return false;
    const bool inBox = IsWithin(msg.hwnd, box->m_hWnd);
    const bool control = ::GetKeyState(VK_CONTROL) < 0 && ::GetKeyState(VK_MENU) >= 0;
    switch (msg.wParam)
    {
    case 'F':
        if (!control)
            return false;
        box->SetFocus();
        box->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        return true;
    case VK_RETURN:
        if (!inBox || box->SendMessage(CB_GETDROPPEDSTATE))
            return false;
        Search();
        return true;
    case VK_ESCAPE:
        if (!m_bShown || !(inBox || IsWithin(msg.hwnd, m_hWnd)) || box->SendMessage(CB_GETDROPPEDSTATE))
            return false;
        Close();
        return true;
    default:
        return false;
    }
}

void CSearchPane::Run(const CString& text)
{
    if (CComboBox* box = Box())
    {
        box->SetWindowText(text);
        Search();
    }
}

std::vector<CString> CSearchPane::RememberedSearches()
{
    std::vector<CString> searches;
    if (CComboBox* box = Box())
        for (int i = 0, count = box->GetCount(); i < count; ++i)
        {
            CString text;
            box->GetLBText(i, text);
            searches.push_back(text);
        }
    return searches;
}

void CSearchPane::SetRememberedSearches(const std::vector<CString>& searches)
{
    CComboBox* box = Box();
    if (!box)
        return;
    box->ResetContent();
    for (const CString& text : searches)
        if (!text.IsEmpty() && box->GetCount() < kMostRememberedSearches)
            box->InsertString(box->GetCount(), text);
}

void CSearchPane::Search()
{
    CComboBox* box = Box();
    if (!box || !m_hWnd)
        return;
    CString text = box->GetWindowText();
    text.Trim();
    if (text.IsEmpty())
        return;
    m_hits.clear();
    m_dialog.m_pImpl->FindAll(text, &m_hits);
    // The box's list: the searches that found something, the latest first, each once.
    if (!m_hits.empty())
    {
        const int earlier = box->FindStringExact(-1, text);
        if (earlier != CB_ERR)
            box->DeleteString(static_cast<UINT>(earlier));
        box->InsertString(0, text);
        while (box->GetCount() > kMostRememberedSearches)
            box->DeleteString(static_cast<UINT>(kMostRememberedSearches));
        box->SetWindowText(text);
    }
    m_strNoHits.Format(szGetStringObr(IDS_NO_SEARCH_HITS), text.GetString());

    SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    // Nothing found still shows one row: the line that says so. The rows are drawn once, by the
    // next paint: a visible list view otherwise redraws at once.
    SetItemCount(std::max<int>(1, static_cast<int>(m_hits.size())), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    EnsureVisible(0, FALSE);
    SizeColumns();
    Invalidate(FALSE);
    if (!m_bShown)
    {
        m_bShown = true;
        m_dialog.Relayout();
        ShowWindow(SW_SHOW);
        CloseButton()->ShowWindow(SW_SHOW);
    }
}

void CSearchPane::Close()
{
    if (!m_bShown)
        return;
    m_bShown = false;
    const bool hadFocus = IsWithin(::GetFocus(), m_hWnd) || IsWithin(::GetFocus(), CloseButton()->m_hWnd);
    ShowWindow(SW_HIDE);
    CloseButton()->ShowWindow(SW_HIDE);
    m_dialog.Relayout();
    if (hadFocus)
        Box()->SetFocus();
}

int CSearchPane::HeightNeeded()
{
    if (!m_hWnd)
        return 0;
    CRect row, window, client, header;
    const int rows = std::max(1, GetItemCount());
    const int rowHeight = GetItemCount() > 0 && GetItemRect(0, &row, LVIR_BOUNDS)
                              ? row.Height()
                              : m_dialog.Scaled(kEmptyRowHeight);
    GetWindowRect(&window);
    GetClientRect(&client);
    if (HWND headerControl = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)))
        ::GetWindowRect(headerControl, &header);
    return header.Height() + rows * rowHeight + window.Height() - client.Height();
}

void CSearchPane::Place(int left, int top, int width, int height)
{
    if (!m_hWnd)
        return;
    MoveWindow(left, top, std::max(0, width), height);
    SizeColumns();
}

void CSearchPane::SizeColumns()
{
    CRect pane;
    GetWindowRect(&pane);
    const int inner = std::max(0, pane.Width() - ::GetSystemMetrics(SM_CXVSCROLL) - 4);
    const bool libraries = m_dialog.m_pImpl && m_dialog.m_pImpl->SearchesLibraries();
    if (m_hits.empty())
    {
        SetColumnWidth(0, inner);
        for (int column = 1; column < (libraries ? 3 : 2); ++column)
            SetColumnWidth(column, 0);
    }
    // Library and class share half of the width, the member the other half; or a third and the rest.
    else if (libraries)
    {
        SetColumnWidth(0, inner / 4);
        SetColumnWidth(1, inner / 4);
        SetColumnWidth(2, inner - 2 * (inner / 4));
    }
    else
    {
        SetColumnWidth(0, inner / 3);
        SetColumnWidth(1, inner - inner / 3);
    }
}

void CSearchPane::OnGetDispInfo(NMHDR* header, LRESULT* result)
{
    *result = 0;
    LVITEMA& row = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    const bool isHit = row.iItem >= 0 && static_cast<size_t>(row.iItem) < m_hits.size();
    if (row.mask & LVIF_IMAGE)
        row.iImage = isHit && row.iSubItem == 0 ? m_hits[static_cast<size_t>(row.iItem)].image : I_IMAGENONE;
    if (!(row.mask & LVIF_TEXT) || !row.pszText || row.cchTextMax <= 0)
        return;
    CString text;
    if (isHit)
        text = ColumnText(m_hits[static_cast<size_t>(row.iItem)], row.iSubItem,
                          m_dialog.m_pImpl->SearchesLibraries());
    else if (row.iItem == 0 && row.iSubItem == 0)
        text = m_strNoHits;
    ::lstrcpynA(row.pszText, text.GetString(), row.cchTextMax);
}

void CSearchPane::OnItemChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
    if (change->iItem < 0 || !(change->uChanged & LVIF_STATE) || !(change->uNewState & LVIS_SELECTED) ||
        (change->uOldState & LVIS_SELECTED))
        return;
    GoToHit(static_cast<size_t>(change->iItem));
}

void CSearchPane::OnClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    // A click on the hit that is still selected (the user went elsewhere in the lists since) goes
    // to it again; a click on another hit selects it, which goes there.
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (row >= 0 && GetItemState(row, LVIS_SELECTED))
        GoToHit(static_cast<size_t>(row));
}

void CSearchPane::OnDoubleClick(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (row < 0 || static_cast<size_t>(row) >= m_hits.size())
        return;
    // The hit is selected in the lists by now: a double-click on it is one on its row there, and
    // chooses the same text (the modeless browser pastes it).
    CListCtrl* list = m_hits[static_cast<size_t>(row)].item.strMember.IsEmpty() ? m_dialog.m_pClassesList
                                                                                : m_dialog.m_pMembersList;
    list->SetFocus();
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = list->m_hWnd;
    click.hdr.idFrom = static_cast<UINT_PTR>(list->GetDlgCtrlID());
    click.hdr.code = NM_DBLCLK;
    click.iItem = list->GetNextItem(-1, LVNI_SELECTED);
    m_dialog.SendMessage(WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

void CSearchPane::GoToHit(size_t index)
{
    if (index >= m_hits.size())
        return;
    const SearchHit& hit = m_hits[index];
    // A hidden item can only be selected where hidden members are listed.
    if (hit.hidden && !m_dialog.m_bShowHidden)
        m_dialog.m_pImpl->ToggleShowHidden();
    // Selecting records nothing by itself: the hit makes one entry.
    if (m_dialog.SelectHistoryItem(hit.item))
        m_dialog.AddCurrentSelectionToHistory();
    // The keyboard stays in the pane, so that the arrows go on through the hits.
    SetFocus();
}
