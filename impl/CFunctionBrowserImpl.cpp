#include "impl/CFunctionBrowserImpl.h"
#include "impl/IconImageList.h"
#include "browser/CBrowserDlg.h"
#include "module/ModuleServices.h"
#include "framework/RedrawScope.h"
#include "framework/WindowUpdateLock.h"
#include "impl/SearchRank.h"
#include "typelib/CTLibItem.h"
#include "resources/resource.h"

#include <algorithm>
#include <utility>

namespace
{
// Inserts rows where the insertion puts them in a list that otherwise sorts its rows by name as
// they come in (the rows already there stay as they are).
template <class Insert> void InsertUnsorted(CListCtrl& list, Insert insert)
{
    list.ModifyStyle(LVS_SORTASCENDING, 0);
    insert();
    list.ModifyStyle(0, LVS_SORTASCENDING);
}

// Each row's item data is its category or entry.
int SelectedRow(CListCtrl* list)
{
    return list->GetNextItem(-1, LVNI_SELECTED);
}

SIZE DialogSizeOf(int mode)
{
    switch (mode)
    {
    case 1:
        return {475, 410};
    case 2:
        return {330, 300};
    default:
        return {0, 0};
    }
}
} // namespace

CFunctionBrowserImpl::CFunctionBrowserImpl(CBrowserDlg* dialog, int mode)
    : CBrowserImpl(dialog), m_nMode(mode)
{
    m_pDlg->m_pClassesList = m_classesList.get();
    m_pDlg->m_pMembersList = m_membersList.get();
    fwk::ResourceScope moduleResources(ObrModuleInstance());
    m_contextMenu.LoadMenu(IDR_CONTEXT_MENU);
    m_pDlg->SetHelpId(IDH_FUNCTION_BROWSER);
}

CFunctionBrowserImpl::~CFunctionBrowserImpl()
{
    m_pDlg->m_pClassesList = m_pDlg->m_pMembersList = nullptr;
    m_contextMenu.DestroyMenu();
}

CImageList* CFunctionBrowserImpl::CreateImageList()
{
    // Icons in this order; their indices serve the kinds 1, 2, 3, 4, 5 and 0.
    const int icons[6] = {IDI_MODULE, IDI_METHOD, IDI_STATEMENT, IDI_CONSTANT, IDI_OPERATOR, IDI_GLOBALS};
    const int kinds[6] = {CATALOG_KIND_CATEGORY, CATALOG_KIND_FUNCTION, CATALOG_KIND_STATEMENT,
                          CATALOG_KIND_CONSTANT, CATALOG_KIND_OPERATOR, CATALOG_KIND_ALL_FUNCTIONS};
    CImageList* images =
        NewIconImageList(m_pDlg->Scaled(16), {icons[0], icons[1], icons[2], icons[3], icons[4], icons[5]});
    for (int i = 0; i < 6; ++i)
        m_imageOfKind[kinds[i]] = i;
    return images;
}

int CFunctionBrowserImpl::ImageOf(const CBrowserItem* item) const
{
    return item->m_nKind >= 0 && item->m_nKind < 6 ? m_imageOfKind[item->m_nKind] : -1;
}

CMenu* CFunctionBrowserImpl::GetContextMenu()
{
    return m_contextMenu.GetSubMenu(1);
}

void CFunctionBrowserImpl::OnLibraryChanged() {}

void CFunctionBrowserImpl::SetupDialog()
{
    m_pDlg->SetWindowText(szGetStringObr(IDS_FUNCTION_BROWSER_CAPTION));
    m_pDlg->m_strClassesLabel = strGetStringObr(IDS_CATEGORY_LABEL);
    m_pDlg->m_strMembersLabel = strGetStringObr(IDS_ELEMENT_LABEL);
    m_pDlg->UpdateData(FALSE);
    m_pDlg->GetDlgItem(IDC_LIB_COMBO)->ShowWindow(SW_HIDE);

    // The top row moves to the left edge: Back, Forward, and Copy 20 pixels further.
    auto moveTo = [this](int id, int left)
    {
        CWnd* button = m_pDlg->GetDlgItem(id);
        CRect rect;
        button->GetWindowRect(&rect);
        m_pDlg->ScreenToClient(&rect);
        button->MoveWindow(left, rect.top, rect.Width(), rect.Height());
        return left + rect.Width();
    };
    int right = moveTo(IDC_BACK, m_pDlg->Scaled(7));
    right = moveTo(IDC_FORWARD, right);
    moveTo(IDC_COPY, right + m_pDlg->Scaled(20));

    m_pDlg->m_pClassesList->ModifyStyle(0, LVS_SORTASCENDING);
    m_pDlg->m_pMembersList->ModifyStyle(0, LVS_SORTASCENDING);

    // Sizes in pixels at 96 dots per inch, at the display's scale. (The search row, placed later,
    // widens a window its top row does not fit.)
    const SIZE at96 = DialogSizeOf(m_nMode);
    const SIZE size = {m_pDlg->Scaled(at96.cx), m_pDlg->Scaled(at96.cy)};
    m_pDlg->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);

    // A drag of the vertical splitter to two fifths of the width, handled once initialisation is
    // over; a remembered place is put back instead.
    if (m_pDlg->Settings().classesShare > 0)
        return;
    const CRect& splitter = m_pDlg->m_rcVSplitter;
    m_pDlg->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(splitter.left, splitter.top));
    m_pDlg->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(2 * size.cx / 5, splitter.top));
}

BOOL CFunctionBrowserImpl::ShowHelp(HELPINFO* info)
{
    if (info->iContextType != HELPINFO_WINDOW)
        return TRUE;
    CBrowserItem* item = nullptr;
    if (info->iCtrlId == IDC_CLASSES_LIST)
        item = SelectedCategory();
    else if (info->iCtrlId == IDC_MEMBERS_LIST)
        item = SelectedEntry();
    if (item && item->m_nHelpId != 0)
        return item->ShowItemHelp();
    CWinApp* app = AfxGetApp();
    if (!app)
        return TRUE;
    // An HTML Help file of the application has a page per catalog entry: F1 on an entry opens its
    // page there. A WinHelp file has the dialog's topic.
    if (item && item->HelpContext() != 0 && app->HasHtmlHelpFile())
        app->WinHelp(item->HelpContext(), HELP_CONTEXT);
    else
        app->WinHelp(m_pDlg->m_nIDHelp, HELP_CONTEXT);
    return TRUE;
}

void CFunctionBrowserImpl::ToggleGroupMembers() {}

void CFunctionBrowserImpl::ToggleShowHidden() {}

void CFunctionBrowserImpl::UpdateContextMenu(CMenu* popup, UINT, BOOL)
{
    const bool membersFocused =
        CWnd::GetFocus() && CWnd::GetFocus()->m_hWnd == m_pDlg->m_pMembersList->m_hWnd;
    popup->EnableMenuItem(ID_COPY, MF_BYCOMMAND | (membersFocused && CanCopy() ? MF_ENABLED : MF_GRAYED));
}

CString CFunctionBrowserImpl::GetSelectionText()
{
    CBrowserItem* entry = SelectedEntry();
    return entry ? entry->m_strInsertText : CString();
}

void CFunctionBrowserImpl::EnableCopy(bool enable)
{
    m_pDlg->GetDlgItem(IDC_COPY)->EnableWindow(enable);
}

void CFunctionBrowserImpl::MembersListClicked(NMHDR*, LRESULT* result)
{
    EnableCopy(SelectedEntry() != nullptr);
    *result = 0;
}

void CFunctionBrowserImpl::ClassesListClicked(NMHDR*, LRESULT* result)
{
    *result = 0;
}

void CFunctionBrowserImpl::ClassesSelectionChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (!BecameSelected(header, m_pDlg->m_pClassesList))
        return;
    {
        WindowUpdateLock frozen(*m_pDlg);
        FillMembers();
        Describe(SelectedCategory());
    }
    m_pDlg->AddCurrentSelectionToHistory();
}

void CFunctionBrowserImpl::MembersSelectionChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (!BecameSelected(header, m_pDlg->m_pMembersList))
        return;
    Describe(SelectedEntry());
    // A selection made with the keyboard brings no click: Copy follows it here.
    if (CWnd::GetFocus() && CWnd::GetFocus()->m_hWnd == m_pDlg->m_pMembersList->m_hWnd)
        EnableCopy(true);
    m_pDlg->AddCurrentSelectionToHistory();
}

void CFunctionBrowserImpl::LibraryComboFocused() {}

void CFunctionBrowserImpl::DescriptionSelectionChanged(NMHDR*, LRESULT* result)
{
    *result = 0;
}

void CFunctionBrowserImpl::DescriptionFocused() {}

void CFunctionBrowserImpl::ClassesListFocused(NMHDR*, LRESULT* result)
{
    Describe(SelectedCategory());
    EnableCopy(false);
    *result = 0;
}

void CFunctionBrowserImpl::MembersListFocused(NMHDR*, LRESULT* result)
{
    Describe(SelectedEntry());
    EnableCopy(CanCopy() != FALSE);
    *result = 0;
}

void CFunctionBrowserImpl::EditReferences() {}

LRESULT CFunctionBrowserImpl::FollowLink(WPARAM, LPARAM)
{
    return 0;
}

CString CFunctionBrowserImpl::GetSelectedClassName()
{
    int row = SelectedRow(m_pDlg->m_pClassesList);
    return row == -1 ? CString() : m_pDlg->m_pClassesList->GetItemText(row, 0);
}

CString CFunctionBrowserImpl::GetSelectedMemberName()
{
    int row = SelectedRow(m_pDlg->m_pMembersList);
    return row == -1 ? CString() : m_pDlg->m_pMembersList->GetItemText(row, 0);
}

CString CFunctionBrowserImpl::GetSelectedLibraryName()
{
    auto* combo = static_cast<CComboBox*>(m_pDlg->GetDlgItem(IDC_LIB_COMBO));
    CString text;
    if (combo && combo->GetCurSel() != CB_ERR)
        combo->GetLBText(combo->GetCurSel(), text);
    return text;
}

BOOL CFunctionBrowserImpl::CanCopy()
{
    return SelectedEntry() != nullptr;
}

CBrowserCategory* CFunctionBrowserImpl::SelectedCategory() const
{
    int row = SelectedRow(m_pDlg->m_pClassesList);
    return row == -1 ? nullptr
                     : reinterpret_cast<CBrowserCategory*>(m_pDlg->m_pClassesList->GetItemData(row));
}

CBrowserItem* CFunctionBrowserImpl::SelectedEntry() const
{
    int row = SelectedRow(m_pDlg->m_pMembersList);
    return row == -1 ? nullptr : reinterpret_cast<CBrowserItem*>(m_pDlg->m_pMembersList->GetItemData(row));
}

void CFunctionBrowserImpl::FillLibraries()
{
    // A dialog shown again keeps its catalog: loading beside it would list everything twice.
    if (m_categories.empty())
        LoadCatalog(m_nMode, m_categories);
    UpdateRecentCategory();
    CListCtrl* classes = m_pDlg->m_pClassesList;
    {
        RedrawScope drawnOnce(*classes);
        classes->DeleteAllItems();
        auto insert = [&](CBrowserCategory* category, int row)
        {
            classes->InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, row, category->m_strName, 0, 0,
                                ImageOf(category), reinterpret_cast<LPARAM>(category));
        };
        for (const auto& category : m_categories)
            if (category.get() != m_recentCategory)
                insert(category.get(), classes->GetItemCount());
        // The list sorts by name as rows come in: the recent entries go in unsorted, second.
        if (m_recentCategory)
            InsertUnsorted(*classes, [&] { insert(m_recentCategory, 1); });
        classes->SetColumnWidth(0, LVSCW_AUTOSIZE);
    }
    SelectListItem(classes, 0, false);
}

void CFunctionBrowserImpl::UpdateRecentCategory()
{
    if (m_recentCategory)
    {
        m_categories.erase(std::find_if(m_categories.begin(), m_categories.end(),
                                        [this](const auto& owned)
                                        { return owned.get() == m_recentCategory; }));
        m_recentCategory = nullptr;
    }
    const std::vector<CString>& names = m_pDlg->Settings().recentEntries;
    if (names.empty() || m_categories.empty())
        return;
    auto recent = std::make_unique<CBrowserCategoryAggregate>(_CategoryDef{IDS_RECENT_ENTRIES, nullptr});
    // Found by name among all the functions; a name no longer in the catalog is left out.
    CBrowserCategory* all = m_categories.front().get();
    for (const CString& name : names)
        for (int i = 0, count = all->GetItemCount(); i < count; ++i)
            if (all->GetItem(i)->m_strName == name)
            {
                recent->m_allItems.push_back(all->GetItem(i));
                break;
            }
    if (recent->m_allItems.empty() || !recent->IsValid())
        return;
    m_recentCategory = recent.get();
    m_categories.insert(m_categories.begin() + 1, std::move(recent));
}

void CFunctionBrowserImpl::FillMembers()
{
    CBrowserCategory* category = SelectedCategory();
    if (!category)
        return;
    CListCtrl* members = m_pDlg->m_pMembersList;
    RedrawScope drawnOnce(*members);
    members->DeleteAllItems();
    auto fill = [&]
    {
        for (int i = 0, count = category->GetItemCount(); i < count; ++i)
        {
            CBrowserItem* item = category->GetItem(i);
            members->InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, members->GetItemCount(), item->m_strName,
                                0, 0, ImageOf(item), reinterpret_cast<LPARAM>(item));
        }
    };
    // The recent entries keep their order, newest first; every other category is sorted by name.
    if (category == m_recentCategory)
        InsertUnsorted(*members, fill);
    else
        fill();
    members->SetColumnWidth(0, LVSCW_AUTOSIZE);
}

void CFunctionBrowserImpl::Describe(CBrowserItem* item)
{
    if (!item)
        return;
    CRTFBuilder rtf;
    item->Describe(kDescriptionLanguage, rtf);
    ShowDescription(rtf);
}

void CFunctionBrowserImpl::ReloadLibraries() {}

void CFunctionBrowserImpl::Search(CString, std::vector<_HistoryItem>*) {}

void CFunctionBrowserImpl::BuildSearchEntries()
{
    // The all-functions category repeats every entry: entries are found in their own categories.
    for (const auto& owned : m_categories)
    {
        CBrowserCategory* category = owned.get();
        if (category->m_nKind == CATALOG_KIND_ALL_FUNCTIONS || category == m_recentCategory)
            continue;
        m_searchEntries.push_back({category, category, Folded(category->m_strName.str()), std::string()});
        for (int i = 0, count = category->GetItemCount(); i < count; ++i)
        {
            CBrowserItem* item = category->GetItem(i);
            m_searchEntries.push_back(
                {category, item, Folded(item->m_strName.str()), Folded(item->m_strDescription.str())});
        }
    }
}

void CFunctionBrowserImpl::FindAll(const CString& text, std::vector<SearchHit>* hits)
{
    if (m_searchEntries.empty())
        BuildSearchEntries();
    const std::string folded = Folded(text.str());
    std::vector<RankedHit> ranked;
    for (const SearchEntry& entry : m_searchEntries)
    {
        const CString& name = entry.item->m_strName;
        SEARCH_RANK rank = RankName(name.str(), entry.foldedName, folded);
        if (rank == SEARCH_RANK_NONE && entry.foldedDescription.find(folded) != std::string::npos)
            rank = SEARCH_RANK_DESCRIPTION;
        if (rank == SEARCH_RANK_NONE)
            continue;
        SearchHit hit;
        hit.item.strClass = entry.category->m_strName;
        if (entry.item != entry.category)
            hit.item.strMember = name;
        hit.image = ImageOf(entry.item);
        ranked.emplace_back(rank, std::move(hit));
    }
    AppendInRankOrder(ranked, hits);
}

CString CFunctionBrowserImpl::GetDeclarationText()
{
    CBrowserItem* entry = SelectedEntry();
    return entry ? entry->m_strSyntax : CString();
}
