// The browser dialog's search: the search row, the pane of hits under it, going to a hit, and the
// keys of the search (Ctrl+F to the box, Enter to run it, Escape to close the pane).
#include "browser/CBrowserDlg.h"
#include "impl/CBrowserImpl.h"
#include "module/ModuleServices.h"
#include "resources/resource.h"

#include <algorithm>

namespace
{
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

CListCtrl* CBrowserDlg::SearchResults()
{
    return m_resultsList.m_hWnd ? &m_resultsList : static_cast<CListCtrl*>(GetDlgItem(IDC_SEARCH_RESULTS));
}

void CBrowserDlg::SetupSearch()
{
    CWnd* pane = GetDlgItem(IDC_SEARCH_RESULTS);
    if (!pane || !m_pImpl)
        return;
    if (!m_resultsList.m_hWnd && !m_resultsList.SubclassWindow(pane->m_hWnd))
        return;
    CListCtrl* results = SearchResults();
    const bool withLibrary = m_pImpl->SearchesLibraries();
    const UINT columns[] = {IDS_COLUMN_LIBRARY, IDS_COLUMN_CLASS, IDS_COLUMN_MEMBER};
    const UINT catalogColumns[] = {IDS_COLUMN_CATEGORY, IDS_COLUMN_ELEMENT};
    const UINT* titles = withLibrary ? columns : catalogColumns;
    for (int i = 0, count = withLibrary ? 3 : 2; i < count; ++i)
        results->InsertColumn(i, szGetStringObr(titles[i]), LVCFMT_LEFT, 100);
    results->SetExtendedStyle(LVS_EX_FULLROWSELECT);
    results->SetImageList(m_pImageList, LVSIL_SMALL);
    for (int id : {IDC_SEARCH_TEXT, IDC_SEARCH})
        if (CWnd* control = GetDlgItem(id))
        {
            control->ModifyStyle(0, WS_TABSTOP);
            control->ShowWindow(SW_SHOW);
        }
    PlaceSearchRow();
    if (!m_strInitialSearch.IsEmpty())
        RunSearch(m_strInitialSearch);
    // The dialog box's own loop hands keys to no one before the dialog manager: a filter sees them.
    if (!m_hSearchKeyFilter)
        m_hSearchKeyFilter =
            ::SetWindowsHookExA(WH_MSGFILTER, &CBrowserDlg::SearchKeyFilter, nullptr, ::GetCurrentThreadId());
}

void CBrowserDlg::OnDestroy()
{
    if (m_hSearchKeyFilter)
        ::UnhookWindowsHookEx(m_hSearchKeyFilter);
    m_hSearchKeyFilter = nullptr;
    CKivDialog::OnDestroy();
    // The buttons and the window are going: their icons with them.
    for (HICON icon : m_icons)
        ::DestroyIcon(icon);
    m_icons.clear();
}

LRESULT CALLBACK CBrowserDlg::SearchKeyFilter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX)
    {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        auto* dialog = dynamic_cast<CBrowserDlg*>(FromHandlePermanent(::GetAncestor(msg->hwnd, GA_ROOT)));
        if (dialog && (dialog->HandleSearchKey(*msg) || dialog->HandleShortcutKey(*msg)))
            return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CBrowserDlg::PreTranslateMessage(MSG* msg)
{
    if (HandleSearchKey(*msg) || HandleShortcutKey(*msg))
        return TRUE;
    return CKivDialog::PreTranslateMessage(msg);
}

bool CBrowserDlg::HandleSearchKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !IsWithin(msg.hwnd, m_hWnd))
        return false;
    CWnd* box = GetDlgItem(IDC_SEARCH_TEXT);
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
        OnSearch();
        return true;
    case VK_ESCAPE:
        if (!m_bSearchPane || !(inBox || IsWithin(msg.hwnd, SearchResults()->m_hWnd)) ||
            box->SendMessage(CB_GETDROPPEDSTATE))
            return false;
        CloseSearchPane();
        return true;
    default:
        return false;
    }
}

void CBrowserDlg::RunSearch(const CString& text)
{
    if (CWnd* box = GetDlgItem(IDC_SEARCH_TEXT))
    {
        box->SetWindowText(text);
        OnSearch();
    }
}

void CBrowserDlg::OnSearch()
{
    auto* box = static_cast<CComboBox*>(GetDlgItem(IDC_SEARCH_TEXT));
    CString text = box->GetWindowText();
    text.Trim();
    if (text.IsEmpty())
        return;
    m_searchHits.clear();
    m_pImpl->FindAll(text, &m_searchHits);
    // The box's list: the searches that found something, the latest first, each once.
    if (!m_searchHits.empty())
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

    CListCtrl* results = SearchResults();
    results->SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    // Nothing found still shows one row: the line that says so. The rows are drawn once, by the
    // next paint: a visible list view otherwise redraws at once.
    results->SetItemCount(std::max<int>(1, static_cast<int>(m_searchHits.size())),
                          LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    results->EnsureVisible(0, FALSE);
    SizeResultColumns();
    results->Invalidate(FALSE);
    if (!m_bSearchPane)
    {
        m_bSearchPane = true;
        Relayout();
        results->ShowWindow(SW_SHOW);
        GetDlgItem(IDC_CLOSE_RESULTS)->ShowWindow(SW_SHOW);
    }
}

void CBrowserDlg::CloseSearchPane()
{
    if (!m_bSearchPane)
        return;
    m_bSearchPane = false;
    const bool hadFocus = IsWithin(::GetFocus(), SearchResults()->m_hWnd) ||
                          IsWithin(::GetFocus(), GetDlgItem(IDC_CLOSE_RESULTS)->m_hWnd);
    SearchResults()->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_CLOSE_RESULTS)->ShowWindow(SW_HIDE);
    Relayout();
    if (hadFocus)
        GetDlgItem(IDC_SEARCH_TEXT)->SetFocus();
}

void CBrowserDlg::OnCloseResults()
{
    CloseSearchPane();
}

void CBrowserDlg::OnGetdispinfoResults(NMHDR* header, LRESULT* result)
{
    *result = 0;
    LVITEMA& row = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
    const bool isHit = row.iItem >= 0 && static_cast<size_t>(row.iItem) < m_searchHits.size();
    if (row.mask & LVIF_IMAGE)
        row.iImage =
            isHit && row.iSubItem == 0 ? m_searchHits[static_cast<size_t>(row.iItem)].image : I_IMAGENONE;
    if (!(row.mask & LVIF_TEXT) || !row.pszText || row.cchTextMax <= 0)
        return;
    CString text;
    if (isHit)
        text = ColumnText(m_searchHits[static_cast<size_t>(row.iItem)], row.iSubItem,
                          m_pImpl->SearchesLibraries());
    else if (row.iItem == 0 && row.iSubItem == 0)
        text = m_strNoHits;
    ::lstrcpynA(row.pszText, text.GetString(), row.cchTextMax);
}

void CBrowserDlg::OnItemchangedResults(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
    if (change->iItem < 0 || !(change->uChanged & LVIF_STATE) || !(change->uNewState & LVIS_SELECTED) ||
        (change->uOldState & LVIS_SELECTED))
        return;
    GoToSearchHit(static_cast<size_t>(change->iItem));
}

void CBrowserDlg::OnClickResults(NMHDR* header, LRESULT* result)
{
    *result = 0;
    // A click on the hit that is still selected (the user went elsewhere in the lists since) goes
    // to it again; a click on another hit selects it, which goes there.
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (row >= 0 && SearchResults()->GetItemState(row, LVIS_SELECTED))
        GoToSearchHit(static_cast<size_t>(row));
}

void CBrowserDlg::OnDblclkResults(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (row < 0 || static_cast<size_t>(row) >= m_searchHits.size())
        return;
    // The hit is selected in the lists by now: a double-click on it is one on its row there, and
    // chooses the same text (the modeless browser pastes it).
    CListCtrl* list =
        m_searchHits[static_cast<size_t>(row)].item.strMember.IsEmpty() ? m_pClassesList : m_pMembersList;
    list->SetFocus();
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = list->m_hWnd;
    click.hdr.idFrom = static_cast<UINT_PTR>(list->GetDlgCtrlID());
    click.hdr.code = NM_DBLCLK;
    click.iItem = list->GetNextItem(-1, LVNI_SELECTED);
    SendMessage(WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

void CBrowserDlg::GoToSearchHit(size_t index)
{
    if (index >= m_searchHits.size())
        return;
    const SearchHit& hit = m_searchHits[index];
    // A hidden item can only be selected where hidden members are listed.
    if (hit.hidden && !m_bShowHidden)
        m_pImpl->ToggleShowHidden();
    // Selecting records nothing by itself: the hit makes one entry.
    if (SelectHistoryItem(hit.item))
        AddCurrentSelectionToHistory();
    // The keyboard stays in the pane, so that the arrows go on through the hits.
    SearchResults()->SetFocus();
}
