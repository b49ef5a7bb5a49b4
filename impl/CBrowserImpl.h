// CBrowserImpl: the back-end of a browser dialog. The dialog forwards every event of its panes to
// one operation here and asks it for the texts it needs; the back-end works directly on the
// dialog's controls and on the dialog fields it is given access to.
#pragma once

#include "module/BrowserApi.h"
#include "browser/BrowserTypes.h"
#include "framework/Framework.h"

#include <vector>

class CRTFBuilder;

class CBrowserDlg;

class OBR_API CBrowserImpl
{
public:
    virtual ~CBrowserImpl();
    CBrowserImpl(const CBrowserImpl&) = delete;
    CBrowserImpl& operator=(const CBrowserImpl&) = delete;

    // Selects item `index` of a list (selected and focused, scrolled fully into view) with history
    // recording set to `record` meanwhile; 0 for an index outside the list.
    int SelectListItem(CListCtrl* list, int index, bool record);

    // A new 16x16 image list of the back-end's icons, owned by the caller; may be null.
    virtual CImageList* CreateImageList() = 0;
    // The pop-up of the context menu to show; null shows none.
    virtual CMenu* GetContextMenu() = 0;
    virtual void OnLibraryChanged() = 0;
    virtual void SetupDialog() = 0;
    virtual BOOL ShowHelp(HELPINFO* info) = 0;
    virtual void ToggleGroupMembers() = 0;
    virtual void ToggleShowHidden() = 0;
    virtual void UpdateContextMenu(CMenu* popup, UINT index, BOOL systemMenu) = 0;
    // What Copy puts on the clipboard and a double-click returns; empty for nothing.
    virtual CString GetSelectionText() = 0;
    virtual void MembersListClicked(NMHDR* header, LRESULT* result) = 0;
    virtual void ClassesListClicked(NMHDR* header, LRESULT* result) = 0;
    virtual void ClassesSelectionChanged(NMHDR* header, LRESULT* result) = 0;
    virtual void MembersSelectionChanged(NMHDR* header, LRESULT* result) = 0;
    virtual void LibraryComboFocused() = 0;
    virtual void DescriptionSelectionChanged(NMHDR* header, LRESULT* result) = 0;
    virtual void DescriptionFocused() = 0;
    virtual void ClassesListFocused(NMHDR* header, LRESULT* result) = 0;
    virtual void MembersListFocused(NMHDR* header, LRESULT* result) = 0;
    virtual void EditReferences() = 0;
    virtual LRESULT FollowLink(WPARAM link, LPARAM notification) = 0;
    virtual CString GetSelectedClassName() = 0;
    virtual CString GetSelectedMemberName() = 0;
    virtual CString GetSelectedLibraryName() = 0;
    virtual BOOL CanCopy() = 0;
    virtual void FillLibraries() = 0;
    virtual void ReloadLibraries() = 0;
    // The current library's names that hold the text (letter case ignored), in the library's
    // order, as history entries. The dialog's search pane ranks its hits through FindAll instead;
    // this plain search stays for the code that drives a back-end without a pane.
    virtual void Search(CString text, std::vector<_HistoryItem>* results) = 0;

    // The search pane's hits for a trimmed, non-empty text, best first; none by default.
    virtual void FindAll(const CString& text, std::vector<SearchHit>* hits);
    // True when hits name a library (the pane then has a library column).
    virtual bool SearchesLibraries() const;
    // The plain declaration of the selection that "Copy declaration" copies; empty for none.
    virtual CString GetDeclarationText();
    // The search text that asks a question about the selected type's uses, for a command of the
    // context menu (ID_FIND_RETURNING, ID_FIND_TAKING, ID_FIND_IMPLEMENTING); empty when none.
    virtual CString GetUsageQuestion(UINT command);

protected:
    // The selection rule of both lists: true when the notification's item became selected; an item
    // that lost the selection loses its focus rectangle too.
    static bool BecameSelected(NMHDR* header, CListCtrl* list);

    // Replaces the description pane's text with the description, drawing off meanwhile.
    void ShowDescription(const CRTFBuilder& description);
    // Empties the description pane (when it exists).
    void ClearDescription();

    // Implementations load the context menu into m_contextMenu, create the two list objects into
    // the dialog and set the dialog's help id in their constructors.
    explicit CBrowserImpl(CBrowserDlg* dialog);

    CMenu m_contextMenu;
    CBrowserDlg* m_pDlg;
};

// Creates the back-end of a browser type for a dialog: null for a type that has none.
CBrowserImpl* CreateBrowserImpl(BROWSER_TYPE type, CBrowserDlg* dialog);

// A test puts its own back-ends in place through this; null restores the module's own.
typedef CBrowserImpl* (*BrowserImplFactory)(BROWSER_TYPE type, CBrowserDlg* dialog);
OBR_API BrowserImplFactory SetBrowserImplFactory(BrowserImplFactory factory);
