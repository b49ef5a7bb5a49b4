// CFunctionBrowserImpl: the back-end of the two function-catalog browsers. The classes list shows
// the categories, the members list the entries of the selected category, and the text handed to
// the host is the entry's insert text.
#pragma once

#include "catalog/CBrowserCategory.h"
#include "impl/CBrowserImpl.h"
#include "browser/CBrowserListCtrl.h"

#include <memory>
#include <string>
#include <vector>

class OBR_API CFunctionBrowserImpl : public CBrowserImpl
{
public:
    CFunctionBrowserImpl(CBrowserDlg* dialog, int mode);
    ~CFunctionBrowserImpl() override;

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
    CString GetDeclarationText() override;

    // The catalog as loaded: the all-functions category first, then the others in table order.
    const CatalogCategories& Categories() const { return m_categories; }

private:
    CBrowserCategory* SelectedCategory() const;
    CBrowserItem* SelectedEntry() const;
    void FillMembers();
    void Describe(CBrowserItem* item);
    int ImageOf(const CBrowserItem* item) const;
    void EnableCopy(bool enable);

    // Names and descriptions of every category and entry, folded for the search, built on the first.
    struct SearchEntry
    {
        CBrowserCategory* category;
        CBrowserItem* item; // the category itself for its own entry
        std::string foldedName;
        std::string foldedDescription;
    };
    void BuildSearchEntries();
    // The entries last chosen, newest first, as a category second in the list (after all the
    // functions, which stays the one selected first); none while nothing was chosen.
    void UpdateRecentCategory();

    CatalogCategories m_categories;
    CBrowserCategoryAggregate* m_recentCategory = nullptr; // in m_categories when shown
    // The dialog's two lists, which it reaches through m_pClassesList and m_pMembersList.
    std::unique_ptr<CListCtrl> m_classesList = std::make_unique<CBrowserListCtrl>();
    std::unique_ptr<CListCtrl> m_membersList = std::make_unique<CBrowserListCtrl>();
    std::vector<SearchEntry> m_searchEntries;
    int m_nMode;
    int m_imageOfKind[6] = {-1, -1, -1, -1, -1, -1};
};
