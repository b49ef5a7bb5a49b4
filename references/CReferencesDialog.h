// CReferencesDialog: the dialog in which the user chooses the type libraries a macro project
// refers to, and their order, among all those registered on the machine or from a file. The host's
// list is written only when the user confirms. The host's references that stand for no registered
// library are listed first as missing: kept while ticked, dropped when unticked. The same object
// may be shown again: each showing starts from the host's list as it is then.
#pragma once

#include "module/BrowserApi.h"
#include "host/ctrl/CKivDialog.h"
#include "references/RegisteredTypeLibs.h"

#include <list>
#include <memory>
#include <vector>

class OBR_API CReferencesDialog : public CKivDialog, public CGroupDialog
{
public:
    // refs: the host's references, in priority order; not owned, written by OnOK only.
    CReferencesDialog(std::list<TLVLibId>* refs, CWnd* parent = nullptr);
    ~CReferencesDialog() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;

    void OnSelchangeReflist();
    void OnUpbutton();
    void OnDownbutton();
    void OnBrowse();
    // A ticked library unticks the other versions of the same library: a project refers to one.
    void OnChkchangeReflist();
    int OnVKeyToItem(UINT key, CListBox* list, UINT caretIndex);
    int OnCharToItem(UINT character, CListBox* list, UINT caretIndex);
    // Shows one entry's name, path, language and GUID; nothing for none.
    void DisplayLibDesc(TLVLibId* entry);
    CButton* GetUpButton();
    CButton* GetDownButton();

    // The libraries offered, in list order once the dialog is open (tests read them).
    const TypeLibTable& Available() const { return m_available; }
    CCheckListBox& ReferenceList() { return m_refList; }

protected:
    DECLARE_MESSAGE_MAP()

private:
    void PrepareShowing();
    void MoveReferencesToTop(int& placed);
    void InsertItem(int index, TLVLibId* entry);
    void ReplaceItem(int index, TLVLibId* entry);
    int ItemOf(const TLVLibId* entry) const;
    TLVLibId* EntryAt(int index) const;
    // A reference of the host's that stands for no registered library (its item reads "MANQUANT").
    bool IsMissing(const TLVLibId* entry) const;
    bool IsMissingItem(int index) const;
    int MissingCount() const;
    void CheckOnly(int index);
    void RememberChecks();
    void UpdateArrows();
    void ShowChosenLibrary(int index);
    enum class FileLibrary
    {
        Registered,
        NotALibrary,
        NotRegistered,
        NotProbed
    };
    // Reads the type library of a file the user chose into the entry and registers it.
    FileLibrary ReadLibraryFile(const CString& path, TLVLibId& entry);

    CCheckListBox m_refList;
    TypeLibTable m_available;
    // The host's references that stand for no registered library; the list's missing items point
    // into it, so it is a list (entries keep their address).
    std::list<TLVLibId> m_pending;
    std::list<TLVLibId>* m_pRefs;
    std::unique_ptr<CFont> m_pFont;
    // The entries checked after the last change: a new tick is told apart from the old ones by it.
    std::vector<const TLVLibId*> m_checked;
    // The table the constructor read serves the first showing; a later showing reads it again.
    bool m_bTableFresh = true;
};

// Exchanges two items of a check list: text, check, enabled state and data, and the selection
// with them; false for an index out of the list.
OBR_API bool SwapListItems(CCheckListBox& list, int i, int j);
