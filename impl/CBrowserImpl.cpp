#include "impl/CBrowserImpl.h"
#include "browser/CBrowserDlg.h"
#include "framework/RedrawScope.h"

CBrowserImpl::CBrowserImpl(CBrowserDlg* dialog) : m_pDlg(dialog) {}

CBrowserImpl::~CBrowserImpl() = default;

bool CBrowserImpl::BecameSelected(NMHDR* header, CListCtrl* list)
{
    auto* change = reinterpret_cast<NMLISTVIEW*>(header);
    const bool now = (change->uNewState & LVIS_SELECTED) != 0;
    const bool before = (change->uOldState & LVIS_SELECTED) != 0;
    if (!now && before)
        list->SetItemState(change->iItem, 0, LVIS_FOCUSED);
    return now && !before;
}

int CBrowserImpl::SelectListItem(CListCtrl* list, int index, bool record)
{
    if (index < 0 || index >= list->GetItemCount())
        return 0;
    // Selecting fires the list's item-changed notification at once, while recording is as asked.
    const bool saved = m_pDlg->m_bRecordHistory;
    m_pDlg->m_bRecordHistory = record;
    int result = list->SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list->EnsureVisible(index, FALSE);
    m_pDlg->m_bRecordHistory = saved;
    return result;
}

void CBrowserImpl::ShowDescription(const CRTFBuilder& description)
{
    CRichEditCtrlEx& pane = *m_pDlg->m_pDescription;
    RedrawScope drawnOnce(pane);
    pane.SetWindowText("");
    description >> pane;
}

void CBrowserImpl::ClearDescription()
{
    CRichEditCtrlEx* pane = m_pDlg->m_pDescription;
    if (!pane || !pane->m_hWnd)
        return;
    pane->SetWindowText("");
    pane->SetLinks({});
}

void CBrowserImpl::FindAll(const CString&, std::vector<SearchHit>*) {}

bool CBrowserImpl::SearchesLibraries() const
{
    return false;
}

CString CBrowserImpl::GetDeclarationText()
{
    return CString();
}

CString CBrowserImpl::GetUsageQuestion(UINT)
{
    return CString();
}
