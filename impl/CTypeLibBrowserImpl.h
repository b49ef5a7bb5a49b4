// CTypeLibBrowserImpl: the back-end of the COM type-library browser. The library combo lists the
// host's references, the classes list the types of the selected library after "<globals>", and
// the members list the members of the selected type, inherited ones included.
#pragma once

#include "impl/CBrowserImpl.h"
#include "browser/CLibItemListCtrl.h"
#include "typelib/CTLibItemAggregate.h"
#include "typelib/LibItemOrder.h"
#include "typelib/TypeLibView.h"
#include "typelib/TypeUsage.h"
#include "impl/TypeLibNameIndex.h"

#include <map>
#include <memory>
#include <vector>

class CTClass;
class CTLib;
class CTMember;

class OBR_API CTypeLibBrowserImpl : public CBrowserImpl
{
public:
    explicit CTypeLibBrowserImpl(CBrowserDlg* dialog);
    ~CTypeLibBrowserImpl() override;

    CImageList* CreateImageList() override;
    CMenu* GetContextMenu() override;
    void OnLibraryChanged() override;
    void SetupDialog() override;
    BOOL ShowHelp(HELPINFO* info) override;
    void ToggleGroupMembers() override;
    void ToggleShowHidden() override;
    void UpdateContextMenu(CMenu* popup, UINT index, BOOL systemMenu) override;
    CString GetSelectionText() override;
    void MembersListClicked(NMHDR* header, LRESULT* result) override;
    void ClassesListClicked(NMHDR* header, LRESULT* result) override;
    void ClassesSelectionChanged(NMHDR* header, LRESULT* result) override;
    void MembersSelectionChanged(NMHDR* header, LRESULT* result) override;
    void LibraryComboFocused() override;
    void DescriptionSelectionChanged(NMHDR* header, LRESULT* result) override;
    void DescriptionFocused() override;
    void ClassesListFocused(NMHDR* header, LRESULT* result) override;
    void MembersListFocused(NMHDR* header, LRESULT* result) override;
    void EditReferences() override;
    LRESULT FollowLink(WPARAM link, LPARAM notification) override;
    CString GetSelectedClassName() override;
    CString GetSelectedMemberName() override;
    CString GetSelectedLibraryName() override;
    BOOL CanCopy() override;
    void FillLibraries() override;
    void ReloadLibraries() override;
    void Search(CString text, std::vector<_HistoryItem>* results) override;
    void FindAll(const CString& text, std::vector<SearchHit>* hits) override;
    bool SearchesLibraries() const override;
    CString GetDeclarationText() override;
    CString GetUsageQuestion(UINT command) override;

    // The loaded libraries, in the order of the references.
    int GetLibraryCount() const { return static_cast<int>(m_libraries.size()); }
    CTLib* GetLibrary(int index) const { return m_libraries[static_cast<size_t>(index)].get(); }
    // The library selected in the combo; null when none is.
    CTLib* GetCurrentLibrary();

private:
    typedef TypeLibView::MemberList MemberList;
    typedef TypeLibView::ClassSet ClassSet;

    // Libraries
    void LoadLibraries();
    void FreeLibraries();
    CComboBox* LibraryCombo() const;

    // Classes and members
    CTLibItem* GetSelectedClass(bool firstWhenNone) const;
    CTLibItem* GetSelectedMember() const;
    void RebuildShownClasses(CTLib* library);
    void RebuildGlobals(CTLib* library);
    MemberList* GetMembersToShow();
    void FillClassesList();
    void FillMembersList(const MemberList& list);
    bool IsNewClassSelected() const;
    // The item's image in the image list; -1 for a kind without one.
    int ImageOf(CTLibItem* item) const;
    int InsertRow(CListCtrl* list, CTLibItem* item);
    void MarkDefaultMember(CListCtrl* list, int row, CTMember* member);
    void SortList(CListCtrl* list);
    void AddHiddenClasses();
    void AddHiddenMembers();
    void RemoveHiddenItems(CListCtrl* list);
    void RefillMembers();

    // Search: the names of each library, gathered on its first search.
    const TypeLibNameIndex& NameIndexOf(size_t library);
    // The libraries in search order: the current one first, then the others as referenced.
    std::vector<size_t> SearchOrder();
    // Search by use: the uses of each library, gathered on its first question; false when the
    // text is no question about uses.
    const TypeUsage::Index& UsageIndexOf(size_t library);
    bool FindUses(const CString& text, std::vector<SearchHit>* hits);

    // Description, copy and help
    void DescribeItem(CTLibItem* item);
    void UpdateCopyButton();
    bool HasFocus(CWnd* pane) const;

    ClassSet m_shownClasses{CTLibItemLess(false)};
    MemberList m_members;
    MemberList* m_pCurrentMembers = nullptr;
    std::vector<std::unique_ptr<CTLib>> m_libraries;
    std::vector<std::unique_ptr<TypeLibNameIndex>> m_nameIndexes;  // beside m_libraries, null until searched
    std::vector<std::unique_ptr<TypeUsage::Index>> m_usageIndexes; // beside m_libraries, null until asked
    // Where each link of the description pane leads, read when the description was written: a
    // click looks its data word up here and never reads the object the word once named, which
    // may be gone. Emptied with the pane.
    std::map<DWORD_PTR, _HistoryItem> m_linkTargets;
    std::unique_ptr<CTLibItemAggregate<CTMember*>> m_pGlobals;
    std::unique_ptr<CLibItemListCtrl> m_pClassesCtrl;
    std::unique_ptr<CLibItemListCtrl> m_pMembersCtrl;
    CString m_strCurrentClass;
    // Image index of each item kind (0 to 10), -1 for a kind without one, and the overlay's.
    int m_imageOfKind[TLIB_KIND_VARIABLE + 1];
};
