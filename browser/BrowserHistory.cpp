// The navigation history of the browser dialog: newest entry at the front, at most 100 entries,
// Back towards older entries and Forward towards newer ones.
#include "browser/CBrowserDlg.h"
#include "impl/CBrowserImpl.h"
#include "resources/resource.h"

namespace
{
constexpr size_t kMostHistoryEntries = 100;
} // namespace

void CBrowserDlg::AddCurrentSelectionToHistory()
{
    if (!m_bRecordHistory || !m_pImpl)
        return;
    _HistoryItem entry;
    entry.strLibrary = m_pImpl->GetSelectedLibraryName();
    entry.strClass = m_pImpl->GetSelectedClassName();
    entry.strMember = m_pImpl->GetSelectedMemberName();

    std::deque<_HistoryItem>& history = History();
    // A new selection after Back loses what Forward could reach.
    history.erase(history.begin(), history.begin() + static_cast<std::ptrdiff_t>(Current()));
    if (history.empty() || !(history.front() == entry))
        history.push_front(entry);
    if (history.size() > kMostHistoryEntries)
        history.pop_back();
    Current() = 0;
    UpdateHistoryButtons();
}

bool CBrowserDlg::SelectHistoryItem(const _HistoryItem& item)
{
    if (!item.strLibrary.IsEmpty())
    {
        CComboBox* combo = LibraryCombo();
        int index = combo->FindStringExact(-1, item.strLibrary);
        if (index == CB_ERR)
            return false;
        if (index != m_nLibIndex)
        {
            combo->SetCurSel(index);
            UpdateData(TRUE);
            m_pImpl->OnLibraryChanged();
        }
    }
    if (item.strClass.IsEmpty())
        DeselectAll(m_pClassesList);
    else if (m_pImpl->GetSelectedClassName() != item.strClass)
        m_pImpl->SelectListItem(m_pClassesList, m_pClassesList->FindItemText(item.strClass), false);
    if (item.strMember.IsEmpty())
        DeselectAll(m_pMembersList);
    else
        m_pImpl->SelectListItem(m_pMembersList, m_pMembersList->FindItemText(item.strMember), false);

    // The focus goes to the pane of the selection, except while a modeless browser the user hid
    // takes new references: focusing a control activates its window, which would take the
    // keyboard from the host.
    if (m_bLeaveFocus)
        return true;
    if (!item.strMember.IsEmpty())
        m_pMembersList->SetFocus();
    else if (!item.strClass.IsEmpty())
        m_pClassesList->SetFocus();
    else if (!item.strLibrary.IsEmpty())
        LibraryCombo()->SetFocus();
    return true;
}

void CBrowserDlg::DeselectAll(CListCtrl* list)
{
    for (int index = list->GetNextItem(-1, LVNI_SELECTED); index != -1;
         index = list->GetNextItem(index, LVNI_SELECTED))
        list->SetItemState(index, 0, LVIS_SELECTED);
}

void CBrowserDlg::CleanHistory()
{
    std::deque<_HistoryItem>& history = History();
    if (history.empty())
        return;
    CComboBox* combo = LibraryCombo();
    std::deque<_HistoryItem> kept;
    size_t working = Current();
    bool remembered = false;
    size_t newCurrent = 0;
    for (size_t i = 0; i < history.size(); ++i)
    {
        if (combo->FindStringExact(-1, history[i].strLibrary) == CB_ERR)
        {
            // The current entry is gone: the next older one takes its place, if it survives.
            if (working == i)
                ++working;
            continue;
        }
        if (working == i)
        {
            newCurrent = kept.size();
            remembered = true;
        }
        kept.push_back(history[i]);
    }
    history.swap(kept);
    if (remembered)
        Current() = newCurrent;
    else
        Current() = history.empty() ? 0 : history.size() - 1;
    UpdateHistoryButtons();
}

void CBrowserDlg::OnBack()
{
    if (Current() + 1 >= History().size())
        return;
    const HWND focus = ::GetFocus();
    ++Current();
    // An entry whose library is gone leaves the selection and the position as they were.
    if (!SelectHistoryItem(History()[Current()]))
        --Current();
    UpdateHistoryButtons();
    KeepFocus(focus);
}

void CBrowserDlg::OnForward()
{
    if (Current() == 0 || History().empty())
        return;
    const HWND focus = ::GetFocus();
    --Current();
    if (!SelectHistoryItem(History()[Current()]))
        ++Current();
    UpdateHistoryButtons();
    KeepFocus(focus);
}

void CBrowserDlg::KeepFocus(HWND focus)
{
    // Back and Forward leave the focus where it was, so that they can be pressed again; a button
    // that the move disabled leaves it where the selection put it.
    if (focus && ::IsChild(m_hWnd, focus) && ::IsWindowEnabled(focus) && ::IsWindowVisible(focus))
        ::SetFocus(focus);
}

void CBrowserDlg::UpdateHistoryButtons()
{
    CWnd* back = GetDlgItem(IDC_BACK);
    CWnd* forward = GetDlgItem(IDC_FORWARD);
    if (!back || !forward)
        return;
    const std::deque<_HistoryItem>& history = History();
    const bool several = history.size() >= 2;
    forward->EnableWindow(several && Current() != 0);
    back->EnableWindow(several && Current() + 1 < history.size());
}
