// The type-library back-end's two lists, filled by the model's listing rules: the types of the
// selected library, the members of the selected type, and the group and hidden options.
#include "browser/CBrowserDlg.h"
#include "typelib/CTClass.h"
#include "typelib/CTFunction.h"
#include "typelib/CTLib.h"
#include "typelib/CTVariable.h"
#include "typelib/TypeLibView.h"
#include "impl/CTypeLibBrowserImpl.h"
#include "impl/IconImageList.h"
#include "module/ModuleServices.h"
#include "framework/RedrawScope.h"
#include "framework/WindowUpdateLock.h"
#include "resources/resource.h"

#include <mbstring.h>
#include <typeinfo>

namespace
{
// A default member (member id 0) that is a method or property, not an event, carries the overlay.
bool HasDefaultMark(CTMember* member)
{
    auto* function = dynamic_cast<CTFunction*>(member);
    return function && function->GetMemberId() == DISPID_VALUE && !function->IsEvent();
}
} // namespace

CImageList* CTypeLibBrowserImpl::CreateImageList()
{
    // Image i is icon i; each serves the kinds beside it (-1 none). The last is the overlay.
    CImageList* images =
        NewIconImageList(m_pDlg->Scaled(16), {IDI_CLASS, IDI_MODULE, IDI_ENUM, IDI_PROPERTY, IDI_METHOD,
                                              IDI_EVENT, IDI_CONSTANT, IDI_GLOBALS, IDI_DEFAULT_MEMBER});
    const int kindsOfImage[][2] = {{TLIB_KIND_CLASS, TLIB_KIND_RECORD},
                                   {TLIB_KIND_MODULE, -1},
                                   {TLIB_KIND_ENUM, TLIB_KIND_UNION},
                                   {TLIB_KIND_PROPERTY, -1},
                                   {TLIB_KIND_METHOD, -1},
                                   {TLIB_KIND_EVENT, -1},
                                   {TLIB_KIND_VARIABLE, -1},
                                   {TLIB_KIND_GLOBALS, -1},
                                   {-1, -1}};
    const int imageCount = static_cast<int>(sizeof kindsOfImage / sizeof kindsOfImage[0]);
    for (int image = 0; image < imageCount; ++image)
        for (int kind : kindsOfImage[image])
            if (kind >= 0)
                m_imageOfKind[kind] = image;
    images->SetOverlayImage(imageCount - 1, 1);
    return images;
}

void CTypeLibBrowserImpl::OnLibraryChanged()
{
    CTLib* library = GetCurrentLibrary();
    if (!library)
        return;
    WindowUpdateLock frozen(*m_pDlg);
    RebuildShownClasses(library);
    RebuildGlobals(library);
    FillClassesList();
    SelectListItem(m_pClassesCtrl.get(), 0, false);
    RefillMembers();
    DescribeItem(library);
}

void CTypeLibBrowserImpl::RefillMembers()
{
    m_pCurrentMembers = GetMembersToShow();
    if (m_pCurrentMembers)
        FillMembersList(*m_pCurrentMembers);
}

void CTypeLibBrowserImpl::RebuildShownClasses(CTLib* library)
{
    m_shownClasses = TypeLibView::ShownClasses(library, m_pDlg->m_bGroupMembers);
}

void CTypeLibBrowserImpl::RebuildGlobals(CTLib* library)
{
    m_pGlobals->m_items = TypeLibView::GlobalsOf(library);
}

CTypeLibBrowserImpl::MemberList* CTypeLibBrowserImpl::GetMembersToShow()
{
    CTLibItem* selected = GetSelectedClass(true);
    if (!selected)
        return nullptr;
    if (selected == m_pGlobals.get())
        return &m_pGlobals->m_items;
    if (typeid(*selected) != typeid(CTClass))
        return nullptr;
    m_members = TypeLibView::MembersOf(static_cast<CTClass*>(selected));
    return &m_members;
}

CTLibItem* CTypeLibBrowserImpl::GetSelectedClass(bool firstWhenNone) const
{
    int row = m_pClassesCtrl->GetNextItem(-1, LVNI_SELECTED);
    if (row == -1 && firstWhenNone && m_pClassesCtrl->GetItemCount() > 0)
        row = 0;
    return row == -1 ? nullptr : reinterpret_cast<CTLibItem*>(m_pClassesCtrl->GetItemData(row));
}

CTLibItem* CTypeLibBrowserImpl::GetSelectedMember() const
{
    const int row = m_pMembersCtrl->GetNextItem(-1, LVNI_SELECTED);
    return row == -1 ? nullptr : reinterpret_cast<CTLibItem*>(m_pMembersCtrl->GetItemData(row));
}

int CTypeLibBrowserImpl::ImageOf(CTLibItem* item) const
{
    const int kind = item->GetKind();
    return kind >= 0 && kind <= TLIB_KIND_VARIABLE ? m_imageOfKind[kind] : -1;
}

int CTypeLibBrowserImpl::InsertRow(CListCtrl* list, CTLibItem* item)
{
    return list->InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, list->GetItemCount(), item->GetName(), 0, 0,
                            ImageOf(item), reinterpret_cast<LPARAM>(item));
}

void CTypeLibBrowserImpl::MarkDefaultMember(CListCtrl* list, int row, CTMember* member)
{
    if (row >= 0 && HasDefaultMark(member))
        list->SetItemState(row, INDEXTOOVERLAYMASK(1), LVIS_OVERLAYMASK);
}

void CTypeLibBrowserImpl::SortList(CListCtrl* list)
{
    CTLibItemLess less(m_pDlg->m_bGroupMembers);
    list->SortItems(&CompareLibItems, reinterpret_cast<DWORD_PTR>(&less));
}

void CTypeLibBrowserImpl::FillClassesList()
{
    CListCtrl* list = m_pClassesCtrl.get();
    RedrawScope drawnOnce(*list);
    list->DeleteAllItems();
    InsertRow(list, m_pGlobals.get());
    for (CTClass* type : m_shownClasses)
        if (m_pDlg->m_bShowHidden || !type->IsHidden())
            InsertRow(list, type);
    list->SetColumnWidth(0, LVSCW_AUTOSIZE);
}

void CTypeLibBrowserImpl::FillMembersList(const MemberList& members)
{
    m_strCurrentClass = m_pClassesCtrl->GetSelectedText();
    CListCtrl* list = m_pMembersCtrl.get();
    {
        RedrawScope drawnOnce(*list);
        list->DeleteAllItems();
        for (CTMember* member : members)
            if (m_pDlg->m_bShowHidden || !member->IsHidden())
                MarkDefaultMember(list, InsertRow(list, member), member);
        list->SetColumnWidth(0, LVSCW_AUTOSIZE);
        SortList(list);
    }
    CTLibItem* shown = GetSelectedClass(true);
    m_pDlg->m_strMembersLabel.Format(szGetStringObr(IDS_MEMBERS_OF),
                                     shown ? shown->GetName().GetString() : "");
    m_pDlg->UpdateData(FALSE);
}

bool CTypeLibBrowserImpl::IsNewClassSelected() const
{
    const CString selected = m_pClassesCtrl->GetSelectedText();
    return _mbscmp(reinterpret_cast<const unsigned char*>(selected.GetString()),
                   reinterpret_cast<const unsigned char*>(m_strCurrentClass.GetString())) != 0;
}

void CTypeLibBrowserImpl::ClassesSelectionChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (!BecameSelected(header, m_pClassesCtrl.get()))
        return;
    if (IsNewClassSelected())
    {
        WindowUpdateLock frozen(*m_pDlg);
        RefillMembers();
    }
    const int row = reinterpret_cast<NMLISTVIEW*>(header)->iItem;
    DescribeItem(reinterpret_cast<CTLibItem*>(m_pClassesCtrl->GetItemData(row)));
    // A selection made with the keyboard brings no click: Copy follows it here.
    UpdateCopyButton();
    m_pDlg->AddCurrentSelectionToHistory();
}

void CTypeLibBrowserImpl::MembersSelectionChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (!BecameSelected(header, m_pMembersCtrl.get()))
        return;
    DescribeItem(GetSelectedMember());
    UpdateCopyButton();
    m_pDlg->AddCurrentSelectionToHistory();
}

CString CTypeLibBrowserImpl::GetSelectedClassName()
{
    return m_pClassesCtrl->GetSelectedText();
}

CString CTypeLibBrowserImpl::GetSelectedMemberName()
{
    return m_pMembersCtrl->GetSelectedText();
}

void CTypeLibBrowserImpl::ToggleGroupMembers()
{
    m_pDlg->m_bGroupMembers = !m_pDlg->m_bGroupMembers;
    for (CListCtrl* list : {m_pClassesCtrl.get(), m_pMembersCtrl.get()})
    {
        {
            RedrawScope drawnOnce(*list);
            SortList(list);
        }
        const int selected = list->GetNextItem(-1, LVNI_SELECTED);
        if (selected != -1)
            list->EnsureVisible(selected, FALSE);
    }
}

void CTypeLibBrowserImpl::AddHiddenClasses()
{
    RedrawScope drawnOnce(*m_pClassesCtrl);
    for (CTClass* type : m_shownClasses)
        if (type->IsHidden())
            InsertRow(m_pClassesCtrl.get(), type);
    SortList(m_pClassesCtrl.get());
    m_pClassesCtrl->SetColumnWidth(0, LVSCW_AUTOSIZE);
}

void CTypeLibBrowserImpl::AddHiddenMembers()
{
    RedrawScope drawnOnce(*m_pMembersCtrl);
    if (m_pCurrentMembers)
        for (CTMember* member : *m_pCurrentMembers)
            if (member->IsHidden())
                MarkDefaultMember(m_pMembersCtrl.get(), InsertRow(m_pMembersCtrl.get(), member), member);
    SortList(m_pMembersCtrl.get());
    m_pMembersCtrl->SetColumnWidth(0, LVSCW_AUTOSIZE);
}

void CTypeLibBrowserImpl::RemoveHiddenItems(CListCtrl* list)
{
    RedrawScope drawnOnce(*list);
    for (int row = list->GetItemCount() - 1; row >= 0; --row)
    {
        auto* item = reinterpret_cast<CTLibItem*>(list->GetItemData(row));
        if (item && item->IsHidden())
            list->DeleteItem(row);
    }
}

void CTypeLibBrowserImpl::ToggleShowHidden()
{
    m_pDlg->m_bShowHidden = !m_pDlg->m_bShowHidden;
    WindowUpdateLock frozen(*m_pDlg);
    const CString selectedClass = m_pClassesCtrl->GetSelectedText();
    const CString selectedMember = m_pMembersCtrl->GetSelectedText();
    if (m_pDlg->m_bShowHidden)
    {
        AddHiddenClasses();
        AddHiddenMembers();
    }
    else
    {
        RemoveHiddenItems(m_pClassesCtrl.get());
        RemoveHiddenItems(m_pMembersCtrl.get());
    }
    const int classRow = m_pClassesCtrl->FindItem(selectedClass);
    if (classRow == -1)
    {
        // The selected class was hidden and is gone: "<globals>" takes its place.
        m_pClassesCtrl->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        m_pClassesCtrl->EnsureVisible(0, FALSE);
    }
    else
    {
        m_pClassesCtrl->EnsureVisible(classRow, FALSE);
        const int memberRow = m_pMembersCtrl->FindItem(selectedMember);
        if (memberRow != -1)
            m_pMembersCtrl->EnsureVisible(memberRow, FALSE);
    }
}
